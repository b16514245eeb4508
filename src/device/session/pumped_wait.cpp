#include "device/session/pumped_wait.h"

#include <algorithm>

namespace gm::device::session {

void waitPumping(Clock& clock, const Timing& timing, Presenter& presenter, Micros total) {
    if (total.count() <= 0) {
        presenter.pumpEvents();
        return;
    }
    const Micros step = timing.pumpStep.count() > 0 ? timing.pumpStep : total;
    for (Micros left = total; left.count() > 0; left -= std::min(step, left)) {
        clock.sleepFor(std::min(step, left));
        presenter.pumpEvents();
    }
}

}  // namespace gm::device::session
