#pragma once
// Every wait of the device link goes through a Clock, so tests can run the protocol and the
// session at no real cost and a real run never burns a core while it waits.

#include <atomic>
#include <chrono>
#include <thread>

namespace gm::device {

using Micros = std::chrono::microseconds;

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic time since an arbitrary start.
    virtual Micros now() const = 0;
    // Blocks the calling thread for at least `duration` (real clock) or advances time (manual).
    virtual void sleepFor(Micros duration) = 0;
};

// Real time: steady_clock and a sleeping wait. A sleep on Linux never returns early, so a
// device paced with it sees at least the requested gap.
class SteadyClock final : public Clock {
public:
    Micros now() const override {
        return std::chrono::duration_cast<Micros>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
    void sleepFor(Micros duration) override {
        if (duration.count() > 0) {
            std::this_thread::sleep_for(duration);
        }
    }
};

// Virtual time for tests: sleeping advances the clock instantly. Thread-safe.
class ManualClock final : public Clock {
public:
    Micros now() const override { return Micros{now_.load()}; }
    void sleepFor(Micros duration) override {
        if (duration.count() > 0) {
            now_ += duration.count();
            slept_ += duration.count();
        }
    }
    void advance(Micros duration) { now_ += duration.count(); }
    // Total time spent in sleepFor since construction.
    Micros totalSlept() const { return Micros{slept_.load()}; }

private:
    std::atomic<long long> now_{0};
    std::atomic<long long> slept_{0};
};

}  // namespace gm::device
