#pragma once
// The device Macro area (image 496, 512 bytes): up to 15 entries packed from its start, each a
// 16-byte name and a body, unused bytes zero. Parsing gives the working tables; rebuilding
// writes them back, with the page filler that keeps a multi-byte item from starting on the last
// byte of the first 256-byte half (the mouse takes the area as two halves).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/layout.h"
#include "image/macro_tables.h"

namespace gm::macros {

inline constexpr std::size_t kMacroAreaSize = image::kMacro.length;
inline constexpr std::size_t kAreaHalf = kMacroAreaSize / 2;
using MacroArea = std::array<std::uint8_t, kMacroAreaSize>;

// The slots of the area. An empty-slot marker ends the list; a body without a terminator within
// 256 bytes (or before the area's end) leaves its slot a bare 16-byte name; an unknown opcode
// cuts its body there.
image::DeviceMacroTables parseMacroArea(std::span<const std::uint8_t, kMacroAreaSize> area);

struct RebuiltArea {
    MacroArea area{};
    // Bytes the entries take, a filler included; above 512 the area holds what fitted.
    std::size_t total = 0;
    bool fits() const { return total <= kMacroAreaSize; }
};

// The area the tables make: the non-empty slots one after another from offset 0. An entry that
// gets the filler is one byte longer in the area than in the tables; parse the area for the
// tables it holds.
RebuiltArea rebuildMacroArea(const image::DeviceMacroTables& tables);

// The non-empty slots, in slot order.
std::size_t deviceMacroCount(const image::DeviceMacroTables& tables);

}  // namespace gm::macros
