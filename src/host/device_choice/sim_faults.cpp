#include "host/device_choice/sim_faults.h"

#include <charconv>
#include <sstream>

#include "device/sim/virtual_mouse.h"
#include "image/echoed_text.h"

namespace gm::host {

const char* const kSimFaultHelp =
    "  --sim-fault KIND          what the virtual mouse does wrong; repeatable or "
    "comma-separated:\n"
    "                            refuse-command, refuse-data=N (the N-th data report and later),\n"
    "                            vanish-after=N (leaves the bus after N reports), garbage[=N]\n"
    "                            (the N-th answer and later carry wrong bytes), slow=MS (every\n"
    "                            report takes MS ms), unplug-after=N,replug-after=MS (leaves\n"
    "                            after N reports and comes back MS ms later, its EEPROM kept),\n"
    "                            bad-identify. Counts start once the mouse is identified\n";

namespace {

constexpr const char* kKinds =
    "refuse-command, refuse-data=N, vanish-after=N, garbage[=N], slow=MS, unplug-after=N with "
    "replug-after=MS, bad-identify";

std::optional<int> positiveCount(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 1)
        return std::nullopt;
    return value;
}

// One KIND into `faults`; false with `error` set when it is none.
bool addFault(const std::string& kind, SimFaults& faults, std::string& error) {
    if (kind == "refuse-command") {
        faults.refuseCommand = true;
        return true;
    }
    if (kind == "bad-identify") {
        faults.badIdentify = true;
        return true;
    }
    if (kind == "garbage") {
        faults.garbageFrom = 1;
        return true;
    }
    const std::size_t equals = kind.find('=');
    const std::string name = kind.substr(0, equals == std::string::npos ? 0 : equals + 1);
    int* count = name == "refuse-data="    ? &faults.refuseDataFrom
                 : name == "vanish-after=" ? &faults.vanishAfter
                 : name == "garbage="      ? &faults.garbageFrom
                 : name == "unplug-after=" ? &faults.unplugAfter
                                           : nullptr;
    device::Micros* time = name == "slow="           ? &faults.reportCost
                           : name == "replug-after=" ? &faults.replugAfter
                                                     : nullptr;
    if (count == nullptr && time == nullptr) {
        error = "unknown --sim-fault '" + image::echoed(kind) + "' (" + kKinds + ")";
        return false;
    }
    const auto number = positiveCount(kind.substr(name.size()));
    if (!number) {
        error = "--sim-fault " + image::echoed(kind) + ": " + (count != nullptr ? "N" : "MS") +
                " must be a whole number of 1 or more";
        return false;
    }
    if (count != nullptr)
        *count = *number;
    else
        *time = device::Micros{1000LL * *number};
    return true;
}

}  // namespace

std::optional<SimFaults> parseSimFaults(const std::vector<std::string>& given, std::string& error) {
    SimFaults faults;
    for (const std::string& list : given) {
        std::istringstream kinds(list);
        std::string kind;
        bool any = false;
        while (std::getline(kinds, kind, ',')) {
            if (kind.empty())
                continue;
            if (!addFault(kind, faults, error))
                return std::nullopt;
            any = true;
        }
        if (!any) {
            error = "--sim-fault needs a KIND";
            return std::nullopt;
        }
    }
    if ((faults.unplugAfter > 0) != (faults.replugAfter.count() > 0)) {
        error = "--sim-fault unplug-after=N and replug-after=MS go together";
        return std::nullopt;
    }
    if (faults.unplugAfter > 0 && faults.vanishAfter > 0) {
        error = "--sim-fault vanish-after and unplug-after: the mouse leaves only once; give one";
        return std::nullopt;
    }
    return faults;
}

void armStartFaults(sim::VirtualMouse& mouse, const SimFaults& faults) {
    if (faults.badIdentify)
        mouse.setBadIdentify(true);
    if (faults.reportCost.count() > 0)
        mouse.setReportCost(faults.reportCost);
}

void armCountedFaults(sim::VirtualMouse& mouse, const SimFaults& faults, bool firstIdentification) {
    if (faults.refuseCommand)
        mouse.refuseCommands(true);
    if (faults.refuseDataFrom > 0)
        mouse.refuseDataFrom(faults.refuseDataFrom);
    if (faults.vanishAfter > 0)
        mouse.vanishAfter(faults.vanishAfter);
    if (faults.garbageFrom > 0)
        mouse.garbleAnswersFrom(faults.garbageFrom);
    if (faults.unplugAfter > 0 && firstIdentification)
        mouse.vanishAfter(faults.unplugAfter, faults.replugAfter);
}

}  // namespace gm::host
