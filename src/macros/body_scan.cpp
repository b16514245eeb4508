#include "macros/body_scan.h"

#include <algorithm>

namespace gm::macros {

std::optional<std::size_t> itemLength(std::uint8_t code) {
    switch (code) {
        case opcode::kEnd:
        case opcode::kRepeatEnd:
        case 0xA1:  // left, right, middle, forward, backward button down
        case 0xA2:
        case 0xA4:
        case 0xA8:
        case 0xB0:
        case 0x21:  // ... and up
        case 0x22:
        case 0x24:
        case 0x28:
        case 0x30:
            return 1;
        case opcode::kModifierDown:
        case opcode::kModifierUp:
        case opcode::kKeyDown:
        case opcode::kKeyUp:
        case opcode::kRepeatStart:
            return 2;
        case opcode::kMove:
        case opcode::kDelay:
            return 3;
        default:
            return std::nullopt;
    }
}

BodyScan scanBody(std::span<const std::uint8_t> bytes) {
    const std::size_t limit = std::min(bytes.size(), image::kMacroBodySize);
    std::size_t at = 0;
    while (at < limit) {
        const std::uint8_t code = bytes[at];
        if (code == opcode::kEnd)
            return {at + 1, false};
        const std::optional<std::size_t> length = itemLength(code);
        if (!length)
            return {at + 1, true};
        at += *length;
    }
    return {};
}

StoredBody storedBody(std::span<const std::uint8_t> bytes) {
    const BodyScan scan = scanBody(bytes);
    StoredBody stored;
    stored.length = scan.length;
    stored.cut = scan.cut;
    if (!scan.terminated())
        return stored;
    std::copy_n(bytes.begin(), scan.length - 1, stored.body.begin());
    stored.body[scan.length - 1] = opcode::kEnd;
    return stored;
}

}  // namespace gm::macros
