#pragma once
// The status listener: a thread that reads the mouse's 0x42 status reports. While a status
// button is held it shows the button's indicator; on release it waits a moment and re-reads
// the current CPI level and profile from the mouse. While no device is open it sleeps on a
// condition variable, so an idle editor costs nothing.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "device/clock.h"
#include "device/link/protocol.h"
#include "device/link/transport.h"
#include "device/presenter.h"
#include "device/timing.h"

namespace gm::device::session {

// Image offsets the listener re-reads after a release.
inline constexpr std::uint16_t kCurrentLevelAddress = 166;    // User 2
inline constexpr std::uint16_t kCurrentProfileAddress = 164;  // User 0, bits 3..0
// Live addresses read after every status report.
inline constexpr std::uint8_t kStatusLiveReadA = 0x16;
inline constexpr std::uint8_t kStatusLiveReadB = 0x18;

class StatusListener {
public:
    struct Sinks {
        std::function<void(std::uint8_t)> levelRead;    // byte at image 166
        std::function<void(std::uint8_t)> profileRead;  // byte at image 164
    };

    StatusListener(Transport& transport, CommandProtocol& protocol, Clock& clock,
                   const Timing& timing, Presenter& presenter, Sinks sinks);
    // Stops and joins the thread.
    ~StatusListener();
    StatusListener(const StatusListener&) = delete;
    StatusListener& operator=(const StatusListener&) = delete;

    void start();
    // Returns once the thread has ended: at once while it idles, else within one
    // timing.inputReadTimeout.
    void stop();
    bool running() const { return thread_.joinable(); }
    // Wakes the idle thread after the session opened the mouse.
    void deviceOpened();

    // Handles one input report (the thread's body; public so a report can be fed directly).
    void handleReport(std::span<const std::uint8_t> report);

private:
    void run();
    // Blocks until a device is open or stop() was called, or at most `limit` when positive.
    void idle(std::chrono::milliseconds limit);
    void refreshAfterRelease(StatusButton button);

    Transport& transport_;
    CommandProtocol& protocol_;
    Clock& clock_;
    const Timing& timing_;
    Presenter& presenter_;
    Sinks sinks_;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;

    // Buttons seen pressed since the last release (touched only by the listener thread).
    bool pending_[4] = {false, false, false, false};
};

}  // namespace gm::device::session
