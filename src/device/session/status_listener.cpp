#include "device/session/status_listener.h"

#include <algorithm>
#include <array>

namespace gm::device::session {

namespace {

constexpr std::array<StatusButton, 4> kButtons{StatusButton::Cpi, StatusButton::CpiUp,
                                               StatusButton::CpiDown, StatusButton::Profile};

constexpr std::uint8_t bitOf(StatusButton button) {
    switch (button) {
        case StatusButton::Cpi:
            return 0x01;
        case StatusButton::CpiUp:
            return 0x02;
        case StatusButton::CpiDown:
            return 0x04;
        case StatusButton::Profile:
            return 0x08;
    }
    return 0;
}

constexpr std::size_t indexOf(StatusButton button) {
    return static_cast<std::size_t>(button);
}

// Large enough for any status report a HID device can send in one read; the transport never
// copies more than the buffer holds.
constexpr std::size_t kInputBufferSize = 64;
constexpr std::size_t kEventByte = 3;

}  // namespace

StatusListener::StatusListener(Transport& transport, CommandProtocol& protocol, Clock& clock,
                               const Timing& timing, Presenter& presenter, Sinks sinks)
    : transport_(transport),
      protocol_(protocol),
      clock_(clock),
      timing_(timing),
      presenter_(presenter),
      sinks_(std::move(sinks)) {}

StatusListener::~StatusListener() {
    stop();
}

void StatusListener::start() {
    if (thread_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    thread_ = std::thread([this] { run(); });
}

void StatusListener::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void StatusListener::deviceOpened() {
    // Taking the lock orders this wake-up after the thread's last look at the link, so it
    // cannot be lost between that look and the thread's wait.
    { std::lock_guard lock(mutex_); }
    wake_.notify_all();
}

void StatusListener::idle(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    if (limit.count() > 0) {
        wake_.wait_for(lock, limit, [this] { return stopping_; });
    } else {
        wake_.wait(lock, [this] { return stopping_ || transport_.hasInputChannel(); });
    }
}

void StatusListener::run() {
    std::array<std::uint8_t, kInputBufferSize> buffer{};
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_)
                return;
        }
        if (!transport_.hasInputChannel()) {
            idle(std::chrono::milliseconds{0});
            continue;
        }
        buffer.fill(0);
        const hid::ReadResult read = transport_.readInputReport(buffer, timing_.inputReadTimeout);
        if (read.status == hid::ReadStatus::Ok) {
            handleReport(std::span(buffer.data(), std::min(read.length, buffer.size())));
        } else if (read.status == hid::ReadStatus::Error) {
            // The handle is still held but the device is gone: wait for the session to notice
            // instead of retrying the failing read at full speed.
            idle(timing_.inputReadTimeout.count() > 0 ? timing_.inputReadTimeout
                                                      : std::chrono::milliseconds{1});
        }
    }
}

void StatusListener::handleReport(std::span<const std::uint8_t> report) {
    if (report.size() <= kEventByte || report[0] != kStatusReportId)
        return;
    const std::uint8_t event = report[kEventByte];
    if (event == 0x00) {
        for (StatusButton button : kButtons) {
            if (pending_[indexOf(button)])
                refreshAfterRelease(button);
        }
    } else {
        for (StatusButton button : kButtons) {
            if (event == bitOf(button)) {
                pending_[indexOf(button)] = true;
                presenter_.setStatusIndicator(button, true);
            }
        }
    }
    std::uint8_t ignored = 0;
    protocol_.liveRead(0, kStatusLiveReadA, std::span(&ignored, 1));
    protocol_.liveRead(0, kStatusLiveReadB, std::span(&ignored, 1));
}

void StatusListener::refreshAfterRelease(StatusButton button) {
    clock_.sleepFor(timing_.statusRefreshDelay);
    const bool profile = button == StatusButton::Profile;
    std::uint8_t value = 0xFF;
    if (protocol_.readBlock(profile ? kCurrentProfileAddress : kCurrentLevelAddress,
                            std::span(&value, 1))) {
        const auto& sink = profile ? sinks_.profileRead : sinks_.levelRead;
        if (sink)
            sink(value);
    }
    presenter_.refresh(profile ? View::CurrentProfileStatus : View::CurrentCpiStatus);
    pending_[indexOf(button)] = false;
    presenter_.setStatusIndicator(button, false);
}

}  // namespace gm::device::session
