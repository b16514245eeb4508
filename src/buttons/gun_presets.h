#pragma once
// The seven gun presets: each plays one to three consecutive fire macro records, and a button
// assigned to one carries the class-0B code 0B, first record (+0x10 to keep the left click),
// number of records, gun-button combo mask.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "image/code_text.h"
#include "image/settings/program_settings.h"

namespace gm::buttons {

inline constexpr int kGunPresetCount = 7;
inline constexpr int kMaxGunStages = 3;
inline constexpr std::uint8_t kFireMacroClass = 0x0B;
inline constexpr std::uint8_t kKeepLeftBit = 0x10;

struct GunPreset {
    int number;               // 1..7
    std::string_view nameId;  // "Str600".."Str606"
    std::size_t firstRecord;  // 0..9
};

inline constexpr std::array<GunPreset, kGunPresetCount> kGunPresets{{{1, "Str600", 0},
                                                                     {2, "Str601", 1},
                                                                     {3, "Str602", 2},
                                                                     {4, "Str603", 3},
                                                                     {5, "Str604", 4},
                                                                     {6, "Str605", 5},
                                                                     {7, "Str606", 7}}};

// Preset 1..7; nothing for another number.
std::optional<GunPreset> gunPreset(int number);

// The records preset `number` plays: 1 for presets 1..5, Gun6_Num for preset 6, Gun7_Num for 7.
int gunPresetStages(int number, const image::settings::ProgramSettings& settings);

// The code a button gets for preset `number` with `stages` records.
image::KeyCode gunPresetCode(int number, int stages, bool keepLeft, std::uint8_t comboMask);

// The LED colour (1..10) that goes with record 0..9.
constexpr int ledColourOfRecord(std::size_t record) {
    return static_cast<int>(record) + 1;
}

}  // namespace gm::buttons
