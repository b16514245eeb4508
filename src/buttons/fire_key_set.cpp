#include "buttons/fire_key_set.h"

namespace gm::buttons {

image::KeyCode fireCodeOf(const FireKeySet& set) {
    const auto b1 = static_cast<std::uint8_t>(0x10 | ((set.repeat - 1) & 0x0F) |
                                              (set.continueOn ? 0x80 : 0x00));
    return {0x06, b1, static_cast<std::uint8_t>((set.interval >> 8) & 0xFF),
            static_cast<std::uint8_t>(set.interval & 0xFF)};
}

FireKeySet fireSetOf(const image::KeyCode& code) {
    return {(code[1] & 0x0F) + 1, code[2] * 256 + code[3], (code[1] & 0x80) != 0};
}

std::optional<std::size_t> matchingFireSet(const image::KeyCode& code,
                                           const FireKeyMemory& memory) {
    const FireKeySet carried = fireSetOf(code);
    for (std::size_t n = 0; n < kFireKeySetCount; ++n) {
        if (memory.repeat[n] == carried.repeat && memory.interval[n] == carried.interval)
            return n;
    }
    return std::nullopt;
}

}  // namespace gm::buttons
