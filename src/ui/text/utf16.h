#pragma once
// UTF-16 little-endian to UTF-8 and back: the language tables are stored in UTF-16, the program
// works in UTF-8.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gm::ui::text {

// Decodes every code unit of `bytes` (a byte-order mark is not special here). A surrogate without
// its partner and an odd byte at the end each become U+FFFD; nothing is read past the end.
std::string utf8FromUtf16Le(std::span<const std::uint8_t> bytes);

// Encodes valid UTF-8; nothing for invalid UTF-8 (stray or missing continuation bytes, overlong
// forms, surrogate code points, values above U+10FFFF).
std::optional<std::vector<std::uint8_t>> utf16LeFromUtf8(std::string_view text);

}  // namespace gm::ui::text
