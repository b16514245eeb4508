#pragma once
// The timing table of the device link: every pause of the transport, the protocol and the
// session. Defaults are the mouse's real needs; tests use Timing::instant().

#include <chrono>

#include "device/clock.h"

namespace gm::device {

struct Timing {
    // Gap the mouse needs after each data report it sends us.
    Micros dataReportPacing{500};
    // Pause after a live write so the mouse can apply it.
    Micros afterLiveWrite{100'000};
    // Pause between a status button release and re-reading the level or profile.
    Micros statusRefreshDelay{200'000};
    // Interval of the device population poll.
    Micros pollInterval{3'500'000};
    // Settle time after the number of HID interfaces grew, before searching for the mouse.
    Micros populationSettle{2'100'000};
    // Pause before sending the restart command.
    Micros beforeRestart{500'000};
    // Time the mouse needs to re-enumerate after a restart.
    Micros restartSettle{5'100'000};
    // Long waits are cut into steps of this size, with the presenter pumped after each.
    Micros pumpStep{100'000};

    // All pauses zero: for tests and for measuring host cost alone.
    static Timing instant() {
        Timing t;
        t.dataReportPacing = Micros{0};
        t.afterLiveWrite = Micros{0};
        t.statusRefreshDelay = Micros{0};
        t.pollInterval = Micros{0};
        t.populationSettle = Micros{0};
        t.beforeRestart = Micros{0};
        t.restartSettle = Micros{0};
        t.pumpStep = Micros{0};
        return t;
    }
};

}  // namespace gm::device
