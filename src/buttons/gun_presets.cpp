#include "buttons/gun_presets.h"

namespace gm::buttons {

std::optional<GunPreset> gunPreset(int number) {
    if (number < 1 || number > kGunPresetCount)
        return std::nullopt;
    return kGunPresets[static_cast<std::size_t>(number - 1)];
}

int gunPresetStages(int number, const image::settings::ProgramSettings& settings) {
    switch (number) {
        case 6:
            return settings.gun6Count;
        case 7:
            return settings.gun7Count;
        default:
            return 1;
    }
}

image::KeyCode gunPresetCode(int number, int stages, bool keepLeft, std::uint8_t comboMask) {
    const std::size_t first = gunPreset(number).value_or(kGunPresets[0]).firstRecord;
    const auto b1 = static_cast<std::uint8_t>(first | (keepLeft ? kKeepLeftBit : 0));
    return {kFireMacroClass, b1, static_cast<std::uint8_t>(stages), comboMask};
}

}  // namespace gm::buttons
