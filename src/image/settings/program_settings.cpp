#include "image/settings/program_settings.h"

#include <algorithm>
#include <string_view>

#include "image/settings/settings_table.h"

namespace gm::image::settings {

namespace {

int integerOf(const IniSection& org, std::string_view key) {
    return org.intValue(key).value_or(0);
}

bool flagOf(const IniSection& org, std::string_view key) {
    return integerOf(org, key) == 1;
}

}  // namespace

ProgramSettings readProgramSettings(const IniSection& org) {
    ProgramSettings settings;
    settings.webEnabled = flagOf(org, "Web_Enable");
    settings.webAddress = org.text("Web");
    settings.webX = integerOf(org, "Web_X");
    settings.webY = integerOf(org, "Web_Y");
    settings.reservedManufacturerId = integerOf(org, "Rev_Manu_ID");
    settings.reservedProductId = integerOf(org, "Rev_Pro_ID");
    settings.macroFolder = org.text("Path");
    settings.textRolling = flagOf(org, "TR_Enable");
    settings.buttonEffect = flagOf(org, "BE_Enable");
    settings.gunDisplay = flagOf(org, "GD_Enable");
    settings.sliderLevelStyle = flagOf(org, "DPILED_Status");
    settings.gun6Count = std::clamp(integerOf(org, "Gun6_Num"), 1, 2);
    settings.gun7Count = std::clamp(integerOf(org, "Gun7_Num"), 1, 3);
    settings.levelNumberOrder = std::clamp(integerOf(org, "Num_Order"), 0, 1);
    return settings;
}

const ProgramSettings& builtInProgramSettings() {
    static const ProgramSettings settings = [] {
        const std::span<const std::uint8_t> stored = detail::kStoredSettingsTable;
        const std::string_view text(reinterpret_cast<const char*>(stored.data()), stored.size());
        return readProgramSettings(IniText::parse(text).section("org"));
    }();
    return settings;
}

}  // namespace gm::image::settings
