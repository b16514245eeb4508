#include "host/device_choice/sim_options.h"

#include "image/echoed_text.h"

namespace gm::host {

std::optional<DeviceChoiceOptions> deviceChoiceOf(const SimOptionsGiven& given,
                                                  std::string& error) {
    DeviceChoiceOptions options;
    if (given.simulate) {
        options.simulate = true;
        if (!given.simulate->empty()) {
            const auto chip = image::chipFromText(*given.simulate);
            if (!chip) {
                error = "unknown chip in --simulate=" + image::echoed(*given.simulate) +
                        " (4210A or 4230A)";
                return std::nullopt;
            }
            options.simChip = *chip;
        }
    }
    if (!options.simulate && (given.eeprom || !given.faults.empty())) {
        error = "--sim-eeprom and --sim-fault need --simulate";
        return std::nullopt;
    }
    options.simEeprom = given.eeprom.value_or("");
    const auto faults = parseSimFaults(given.faults, error);
    if (!faults)
        return std::nullopt;
    options.faults = *faults;
    return options;
}

}  // namespace gm::host
