#pragma once
// Macro names: up to 8 UTF-16 code units stored high byte first, padded with zeros. The editor
// and the command line carry them as UTF-8 text.

#include <string>
#include <string_view>

#include "image/macro_tables.h"

namespace gm::macros {

// The first 8 code units of `text` (UTF-8; a byte that is not UTF-8 counts as U+FFFD). A
// character outside the BMP takes two code units and is left out whole when only one is left.
image::MacroName encodeMacroName(std::string_view text);

// The name as UTF-8 text; zero code units show nothing, a lone surrogate shows as U+FFFD.
std::string decodeMacroName(const image::MacroName& name);

// The Macro area marks an empty slot, and the end of the list, by a name whose first two bytes
// are both 0x00 or either of which is 0xFF.
bool marksEmptySlot(std::uint8_t first, std::uint8_t second);

// A PC record is used when the first or the second byte of its name is not zero.
bool isUsedRecord(const image::MacroName& name);

// Whether `name` can be stored on the mouse: a name that would read back as an empty slot (no
// text, or a first character with a 0xFF byte, such as U+FF01 or U+00FF) cannot.
bool isStorableName(const image::MacroName& name);

}  // namespace gm::macros
