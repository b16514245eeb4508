#include "device/session/status_listener.h"

#include <algorithm>
#include <array>

#include "image/fields.h"

namespace gm::device::session {

namespace {

constexpr std::size_t indexOf(StatusButton button) {
    return static_cast<std::size_t>(button);
}

// Large enough for any status report a HID device can send in one read; the transport never
// copies more than the buffer holds.
constexpr std::size_t kInputBufferSize = 64;

}  // namespace

StatusListener::StatusListener(Transport& transport, CommandProtocol& protocol, Clock& clock,
                               const Timing& timing, ChangeHub& changes)
    : transport_(transport),
      protocol_(protocol),
      clock_(clock),
      timing_(timing),
      changes_(changes) {}

StatusListener::~StatusListener() {
    stop();
}

void StatusListener::start() {
    if (thread_.joinable())
        return;
    stopping_ = false;
    thread_ = std::thread([this] { run(); });
}

void StatusListener::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    transport_.interruptInputRead();
    protocol_.guard().wakeWaiters();
    if (thread_.joinable())
        thread_.join();
}

void StatusListener::deviceOpened() {
    {
        std::lock_guard lock(mutex_);
        ++openings_;
    }
    wake_.notify_all();
}

std::uint64_t StatusListener::openings() {
    std::lock_guard lock(mutex_);
    return openings_;
}

void StatusListener::waitForOpening(std::uint64_t seen) {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [&] { return stopping_ || openings_ != seen; });
}

void StatusListener::run() {
    std::array<std::uint8_t, kInputBufferSize> buffer{};
    while (!stopping_) {
        // Counted before looking at the link: an opening after this look is not missed.
        const std::uint64_t seen = openings();
        if (!transport_.hasInputChannel()) {
            waitForOpening(seen);
            continue;
        }
        buffer.fill(0);
        const hid::ReadResult read = transport_.readInputReport(buffer, hid::kWaitForever);
        if (read.status == hid::ReadStatus::Ok) {
            handleReport(std::span(buffer.data(), std::min(read.length, buffer.size())));
        } else if (read.status == hid::ReadStatus::Error) {
            // The handle is still held but the device is gone: wait for the session to open it
            // again instead of retrying the failing read.
            waitForOpening(seen);
        }
        // Interrupted: stop() was called or the link closed; the loop looks at both.
    }
}

void StatusListener::handleReport(std::span<const std::uint8_t> report) {
    if (report.size() <= kStatusEventByte || report[0] != kStatusReportId)
        return;
    const std::uint8_t event = report[kStatusEventByte];
    if (event == kStatusReleased) {
        for (StatusButton button : kStatusButtons) {
            if (pending_[indexOf(button)])
                refreshAfterRelease(button);
        }
    } else {
        for (StatusButton button : kStatusButtons) {
            if (event == statusBitOf(button)) {
                pending_[indexOf(button)] = true;
                changes_.post({ChangeKind::StatusIndicator, static_cast<int>(button), "on"});
            }
        }
    }
    const auto operation = protocol_.guard().enterWhenFree([this] { return stopping_.load(); });
    if (!operation)
        return;
    std::uint8_t ignored = 0;
    protocol_.liveRead(0, kStatusLiveReadA, std::span(&ignored, 1));
    protocol_.liveRead(0, kStatusLiveReadB, std::span(&ignored, 1));
}

bool StatusListener::readImageByte(std::uint16_t address, std::uint8_t& value) {
    const auto operation = protocol_.guard().enterWhenFree([this] { return stopping_.load(); });
    return operation && protocol_.readBlock(address, std::span(&value, 1)).ok();
}

void StatusListener::refreshAfterRelease(StatusButton button) {
    clock_.sleepFor(timing_.statusRefreshDelay);
    const bool profile = button == StatusButton::Profile;
    std::uint8_t value = 0xFF;
    if (readImageByte(static_cast<std::uint16_t>(profile ? image::fields::kActiveProfile
                                                         : image::fields::kCurrentLevel),
                      value)) {
        changes_.post({profile ? ChangeKind::Profile : ChangeKind::CpiLevel, value, {}});
    }
    pending_[indexOf(button)] = false;
    changes_.post({ChangeKind::StatusIndicator, static_cast<int>(button), "off"});
}

}  // namespace gm::device::session
