#pragma once
// How a message repeats what the user gave (an argument, a file name): a 100 kB argument is
// not printed back whole, and a control character in it does not reach the terminal raw.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "image/hex_text.h"

namespace gm::image {

inline constexpr std::size_t kEchoedCharacters = 60;
inline constexpr std::size_t kEchoedTail = 30;  // of them, from the end (a file's name)

// `text` with each control character as \xNN; longer than kEchoedCharacters characters (UTF-8
// code points), it keeps its first and last characters around "…" and says its length:
// "aaaa…aaaa (100000 characters)".
inline std::string echoed(std::string_view text) {
    // Where each character starts: every byte that is not a UTF-8 continuation byte.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 || i == 0)
            starts.push_back(i);
    }
    const auto shown = [&](std::size_t from, std::size_t to) {
        std::string part;
        for (std::size_t c = from; c < to; ++c) {
            const std::size_t end = c + 1 < starts.size() ? starts[c + 1] : text.size();
            const auto byte = static_cast<unsigned char>(text[starts[c]]);
            if (byte < 0x20 || byte == 0x7F) {
                part += "\\x";
                appendHexByte(part, byte);
            } else {
                part.append(text.substr(starts[c], end - starts[c]));
            }
        }
        return part;
    };
    const std::size_t characters = starts.size();
    if (characters <= kEchoedCharacters)
        return shown(0, characters);
    return shown(0, kEchoedCharacters - kEchoedTail) + "…" +
           shown(characters - kEchoedTail, characters) + " (" + std::to_string(characters) +
           " characters)";
}

}  // namespace gm::image
