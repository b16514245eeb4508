#pragma once
// The recipe of a factory image: every byte of the image up to the patch code is named by a field
// with a note on what it means; the patch code, the fire macros and the check bytes are made from
// the small tables below by the builder.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "image/geometry.h"
#include "image/layout.h"

namespace gm::tools {

struct Field {
    std::size_t offset;  // image offset of the first byte
    std::vector<std::uint8_t> bytes;
    std::string_view note;
};
using Fields = std::vector<Field>;

// Field placement by section and offset, as the image layout names them.
Field vendor(std::size_t offset, std::vector<std::uint8_t> bytes, std::string_view note);
Field user(std::size_t offset, std::vector<std::uint8_t> bytes, std::string_view note);
Field fireKeyArea(std::size_t offset, std::vector<std::uint8_t> bytes, std::string_view note);
Field patchHeader(std::size_t offset, std::vector<std::uint8_t> bytes, std::string_view note);
Field rgb(std::size_t vendorOffset, std::uint32_t rrggbb, std::string_view note);
Field text(std::size_t vendorOffset, std::string_view ascii, std::string_view note);
// A key function code written as its eight hex digits, b0 first: 0x0692003C is 06 92 00 3C.
Field key(int profile, int keyNumber, std::uint32_t code, std::string_view note);
Field comboKey(int number, std::uint32_t code, std::string_view note);
Field fill(image::Area area, std::uint8_t value, std::string_view note);

// One fire macro record: `shots` times press left, move (x, y), wait holdMs, release, wait gapMs.
struct FireMacro {
    std::string_view name;  // 4230A name table (UTF-16BE, at most 8 characters)
    std::uint8_t shots;
    std::int8_t x;
    std::int8_t y;
    std::uint16_t holdMs;
    std::uint16_t gapMs;
};
using FireMacros = std::array<FireMacro, image::kFireMacroCount>;

// The patch code is not real firmware: a documented byte sequence (patch_sequence.h).
// Its length is the recipe's header bytes 2..3; bytes of the area behind it are 0xFF.
struct PatchRecipe {
    std::uint8_t seed;
    std::optional<std::uint16_t> wantedSum;  // 16-bit sum of the first `length` bytes
};

struct ImageRecipe {
    std::string_view resourceName;
    image::ChipType chip;
    Fields fields;
    FireMacros fireMacros;
    PatchRecipe patch;
};

// Fields both chips share, and the six recipes in resource order (4210A Cfg1..3, 4230A Cfg1..3).
Fields commonFields();
// Key1..Key9 of the office key tables both chips share; Key3 holds `fireKey1Code`, and profile 3
// has Desktop on Key6 and LED Switch on Key9.
Fields officeKeys(int profile, std::uint32_t fireKey1Code);
std::vector<ImageRecipe> recipes4210A();
std::vector<ImageRecipe> recipes4230A();

}  // namespace gm::tools
