#pragma once
// The status listener: a thread that reads the mouse's 0x42 status reports. While a status
// button is held it posts the button's indicator; on release it waits a moment and re-reads the
// current CPI level and profile from the mouse. It never calls the driver: everything it learns
// is posted to the change hub, which wakes the driver to apply it on its own thread. It waits on
// the status channel without a timeout, and while no device is open on a condition variable:
// only a report, the link closing or stop() wake it, so an idle editor costs nothing.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>

#include "device/clock.h"
#include "device/link/protocol.h"
#include "device/link/transport.h"
#include "device/session/changes.h"
#include "device/timing.h"

namespace gm::device::session {

// Live addresses read after every status report.
inline constexpr std::uint8_t kStatusLiveReadA = 0x16;
inline constexpr std::uint8_t kStatusLiveReadB = 0x18;

class StatusListener {
public:
    StatusListener(Transport& transport, CommandProtocol& protocol, Clock& clock,
                   const Timing& timing, ChangeHub& changes);
    // Stops and joins the thread.
    ~StatusListener();
    StatusListener(const StatusListener&) = delete;
    StatusListener& operator=(const StatusListener&) = delete;

    void start();
    // Returns once the thread has ended: at once while it waits, else once the report it
    // handles is done (its refresh delay, the running operation it waits for).
    void stop();
    bool running() const { return thread_.joinable(); }
    // Wakes the idle thread after the session opened the mouse.
    void deviceOpened();

    // Handles one input report (the thread's body; public so a report can be fed directly).
    // Its reads wait for a running operation to end: they are short and must not be lost.
    void handleReport(std::span<const std::uint8_t> report);

private:
    void run();
    // How many times deviceOpened() was called.
    std::uint64_t openings();
    // Blocks until deviceOpened() is called after `openings()` was `seen`, or stop() is.
    void waitForOpening(std::uint64_t seen);
    void refreshAfterRelease(StatusButton button);
    // Reads one byte of the image with a block read once no other operation runs.
    bool readImageByte(std::uint16_t address, std::uint8_t& value);

    Transport& transport_;
    CommandProtocol& protocol_;
    Clock& clock_;
    const Timing& timing_;
    ChangeHub& changes_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<bool> stopping_{false};
    std::uint64_t openings_ = 0;  // guarded by mutex_
    std::thread thread_;

    // Buttons seen pressed since the last release (touched only by the listener thread).
    bool pending_[kStatusButtons.size()] = {};
};

}  // namespace gm::device::session
