#pragma once
// A long wait that keeps the driver responsive: cut into timing.pumpStep sleeps on the clock,
// with the presenter's event pump after each.

#include <algorithm>

#include "device/clock.h"
#include "device/presenter.h"
#include "device/timing.h"

namespace gm::device {

// Waits `total` in steps of timing.pumpStep (one step when pumpStep is zero) and pumps the
// presenter after each.
inline void waitPumping(Clock& clock, const Timing& timing, Presenter& presenter, Micros total) {
    const Micros step = timing.pumpStep.count() > 0 ? timing.pumpStep : total;
    for (Micros left = total; left.count() > 0; left -= std::min(step, left)) {
        clock.sleepFor(std::min(step, left));
        presenter.pumpEvents();
    }
}

}  // namespace gm::device
