#pragma once
// A long wait that keeps the driver responsive: cut into timing.pumpStep sleeps on the clock,
// with the presenter's event pump after each.

#include "device/clock.h"
#include "device/presenter.h"
#include "device/timing.h"

namespace gm::device::session {

// Waits `total` in steps of timing.pumpStep (one step when pumpStep is zero) and pumps the
// presenter after each; pumps once when `total` is zero.
void waitPumping(Clock& clock, const Timing& timing, Presenter& presenter, Micros total);

}  // namespace gm::device::session
