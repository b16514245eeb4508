#pragma once
// Upper-case hexadecimal text, the way the editor shows bytes, codes and addresses everywhere.

#include <cstdint>
#include <string>

namespace gm::image {

inline constexpr char kHexDigits[] = "0123456789ABCDEF";

inline void appendHexByte(std::string& text, std::uint8_t byte) {
    text.push_back(kHexDigits[byte >> 4]);
    text.push_back(kHexDigits[byte & 0x0F]);
}

// `value` as exactly `digits` upper-case hex digits (higher digits are cut off).
inline std::string hexText(std::uint32_t value, int digits) {
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = kHexDigits[value & 0x0F];
    }
    return text;
}

}  // namespace gm::image
