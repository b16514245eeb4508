#pragma once
// A layout table org1..org3: the position, visibility, font size and colour of the window's
// controls for one language, as decimal integers in the INI section orgN (8-bit text; ";" and
// "//" lines are comments). A key the table lacks leaves the control as the window design has it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/settings/ini_text.h"
#include "ui/text/language_table.h"

namespace gm::ui::text {

class LayoutTable {
public:
    // Reads section orgN of the table for `language` (N = its number).
    LayoutTable(std::span<const std::uint8_t> stored, Language language);
    // The table of `language` built into the program.
    static LayoutTable builtIn(Language language);

    // The value of `key` ("Btn_B2_Enable", "Key1_X"); nothing when absent or not a number.
    std::optional<int> intValue(std::string_view key) const { return section_.intValue(key); }
    std::size_t size() const { return section_.size(); }
    // Every key of the section, in ASCII lower case.
    std::vector<std::string> keys() const { return section_.keys(); }

private:
    image::settings::IniSection section_;
};

}  // namespace gm::ui::text
