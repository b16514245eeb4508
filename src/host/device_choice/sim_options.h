#pragma once
// The virtual mouse's options, read alike by both programs: --simulate[=4210A|4230A],
// --sim-eeprom FILE and --sim-fault KIND (repeatable).

#include <optional>
#include <string>
#include <vector>

#include "host/device_choice/device_choice.h"

namespace gm::host {

// The options as given: nullopt when absent; an empty --simulate value is the default chip.
struct SimOptionsGiven {
    std::optional<std::string> simulate;
    std::optional<std::string> eeprom;
    std::vector<std::string> faults;
};

// nullopt with `error` set on an unknown chip, a bad fault, or --sim-eeprom or --sim-fault
// without --simulate.
std::optional<DeviceChoiceOptions> deviceChoiceOf(const SimOptionsGiven& given, std::string& error);

}  // namespace gm::host
