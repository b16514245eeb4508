#pragma once
// A macro written as readable lines, one event a line as `gmousectl macro show` prints them
// ("A down", "50 ms", "left click", "move 5 -3", "repeat 3" ... "repeat end"), read into a body.
// Blank lines and lines starting with '#' are skipped.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "macros/macro_script.h"

namespace gm::macros {

struct ReadLines {
    std::vector<MacroEvent> events;
    EncodedBody body;
    std::size_t badLine = 0;  // 1-based; 0 when every line was read
    std::string badText;      // that line as written
    bool ok() const { return badLine == 0 && body.fits; }
};

// The body of `text`; the first line that reads as no event stops it, a body over 256 bytes
// leaves `body.fits` false.
ReadLines readEventLines(std::string_view text);

// The body's events as lines, each ending in a newline.
std::string eventLines(std::span<const std::uint8_t> body);

}  // namespace gm::macros
