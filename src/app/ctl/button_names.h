#pragma once
// Key functions as gmousectl reads and prints them: the English names of the key menu, chords
// like "Ctrl+Shift+A", or a raw eight-digit code.

#include <optional>
#include <string>
#include <vector>

#include "buttons/button_state.h"
#include "buttons/key_name.h"
#include "image/geometry.h"
#include "ui/text/text_table.h"

namespace gm::ctl {

// The English text of a name.
std::string englishName(const buttons::KeyName& name, const ui::text::TextTable& texts);

// The code of FUNCTION as a user writes it: an entry name of the key menu (as the menu opened
// from `origin` offers it), a chord, or eight hex digits. Case matters as in the menu.
std::optional<image::KeyCode> functionCode(const std::string& function,
                                           const buttons::ButtonState& state, image::ChipType chip,
                                           buttons::MenuOrigin origin,
                                           const ui::text::TextTable& texts);

// Every name functionCode() accepts, one a line, in menu order, then the chord parts.
std::vector<std::string> acceptedFunctionNames(const ui::text::TextTable& texts);

}  // namespace gm::ctl
