#pragma once
// What depends on the chip type: the patch code area and the tail area with the fire macros.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gm::image {

enum class ChipType { Chip4210A, Chip4230A };

struct ChipGeometry {
    std::size_t patchLength;        // patch code area, from image offset 1024
    std::size_t tailOffset;         // image offset of the tail area
    std::size_t tailLength;         // up to the end of the image
    std::size_t recordSize;         // one of the 10 fire macro records
    std::size_t firstRecordOffset;  // of record 0, within the tail
    bool hasFireMacroNames;         // 10 names of 16 bytes at tail offset 0
};

inline constexpr std::size_t kFireMacroCount = 10;
inline constexpr std::size_t kFireMacroNameSize = 16;

constexpr ChipGeometry geometryOf(ChipType chip) {
    if (chip == ChipType::Chip4230A) {
        return ChipGeometry{512, 1536, 512, 32, 160, true};
    }
    return ChipGeometry{784, 1808, 240, 24, 0, false};
}

// "4210A" or "4230A", the chip type text the editor shows and keeps.
constexpr std::string_view chipText(ChipType chip) {
    return chip == ChipType::Chip4230A ? "4230A" : "4210A";
}

inline std::optional<ChipType> chipFromText(std::string_view text) {
    if (text == "4210A")
        return ChipType::Chip4210A;
    if (text == "4230A")
        return ChipType::Chip4230A;
    return std::nullopt;
}

// Byte 0 of the identify answer: 0x40 and above is the 4210A, below the 4230A.
constexpr ChipType chipFromIdentify(unsigned char byte0) {
    return byte0 >= 0x40 ? ChipType::Chip4210A : ChipType::Chip4230A;
}

}  // namespace gm::image
