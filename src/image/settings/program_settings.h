#pragma once
// The program-wide switches of the built-in settings table ORG (section [org]): the web button,
// display styles, fire-mode counts and the macro file folder. Read once at start; the user cannot
// change them.

#include <string>

#include "image/settings/ini_text.h"

namespace gm::image::settings {

// Default-constructed: what a table without any of the keys gives.
struct ProgramSettings {
    bool webEnabled = false;  // the web button opens `webAddress` only when set
    std::string webAddress;
    int webX = 0;  // position of the web button and its picture
    int webY = 0;
    int reservedManufacturerId = 0;  // kept, used by nothing
    int reservedProductId = 0;
    std::string macroFolder;  // folder of the macro file; empty: the program's folder
    bool textRolling = false;
    bool buttonEffect = false;      // BE_Enable: written into the profile choice bytes
    bool gunDisplay = false;        // GD_Enable: written into the profile choice bytes
    bool sliderLevelStyle = false;  // CPI and LED levels as sliders (else progress bars)
    int gun6Count = 1;              // records of fire mode 6: 1..2
    int gun7Count = 1;              // records of fire mode 7: 1..3
    int levelNumberOrder = 0;       // 0 ascending numbers, 1 no numbers

    bool operator==(const ProgramSettings&) const = default;
};

// Reads the [org] keys. A flag is set only by the value 1; integers that are absent or not numbers
// read as 0; the fire-mode counts and the number order are then clamped to their ranges.
ProgramSettings readProgramSettings(const IniSection& org);

// The settings of the table built into the program.
const ProgramSettings& builtInProgramSettings();

}  // namespace gm::image::settings
