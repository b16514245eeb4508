#pragma once
// The faults a user can make the virtual mouse inject, as both programs take them
// (--sim-fault KIND, repeatable or comma-separated), and their arming on the mouse.

#include <optional>
#include <string>
#include <vector>

#include "device/clock.h"

namespace gm::sim {
class VirtualMouse;
}  // namespace gm::sim

namespace gm::host {

// bad-identify and slow apply from the start; the counts number the reports of the work after
// the mouse was identified.
struct SimFaults {
    bool refuseCommand = false;     // refuse every command report
    int refuseDataFrom = 0;         // refuse the N-th data report and every later one
    int vanishAfter = 0;            // leave the bus after N reports
    bool badIdentify = false;       // answer identify without the marker
    int garbageFrom = 0;            // the N-th answer and every later one carry wrong bytes
    device::Micros reportCost{0};   // every report takes this long (slow)
    int unplugAfter = 0;            // leave the bus after N reports ...
    device::Micros replugAfter{0};  // ... and come back this long afterwards
    bool any() const {
        return refuseCommand || refuseDataFrom > 0 || vanishAfter > 0 || badIdentify ||
               garbageFrom > 0 || reportCost.count() > 0 || unplugAfter > 0;
    }
};

// The help lines of --sim-fault, indented for an option list.
extern const char* const kSimFaultHelp;

// Every --sim-fault value given, in order; nullopt with `error` set on an unknown kind, a bad
// number, or an unplug without its replug (or the other way round).
std::optional<SimFaults> parseSimFaults(const std::vector<std::string>& given, std::string& error);

// Arms on `mouse` what applies from the start: bad-identify and slow.
void armStartFaults(sim::VirtualMouse& mouse, const SimFaults& faults);
// Arms the counted faults once the mouse has been identified, counted from the next report.
// They are armed again at every later identification (after a restart the counts start anew),
// except the unplug: the mouse that came back stays.
void armCountedFaults(sim::VirtualMouse& mouse, const SimFaults& faults, bool firstIdentification);

}  // namespace gm::host
