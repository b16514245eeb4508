#include "image/code_text.h"

#include "image/hex_text.h"

namespace gm::image {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string codeTextOf(std::span<const std::uint8_t, 4> code) {
    std::string text;
    text.reserve(8);
    for (const std::uint8_t byte : code) {
        appendHexByte(text, byte);
    }
    return text;
}

std::optional<KeyCode> codeFromText(std::string_view text) {
    if (text.size() != 8)
        return std::nullopt;
    KeyCode code{};
    for (std::size_t i = 0; i < code.size(); ++i) {
        const int high = hexValue(text[2 * i]);
        const int low = hexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        code[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return code;
}

}  // namespace gm::image
