#pragma once
// The CPI levels: how many are in use, which is current, each level's value and colour, and the
// engineering CPI options (indication, legacy set and start level, prescaler; see
// device_options.h). Levels are counted from 1.
#include <string>
#include <vector>

#include "device/result.h"
#include "device/session/workspace.h"
#include "settings/display.h"

namespace gm::settings {

inline constexpr std::size_t kLevelCountAddress = 43;    // Vendor 43: count - 1
inline constexpr std::size_t kLevelValuesAddress = 44;   // Vendor 44..47: two indexes per byte
inline constexpr std::size_t kLevelColoursAddress = 87;  // Vendor 87..110: RGB per level

struct CpiLevels {
    int count = 0;               // 1..8; 0 when the stored count is out of range
    std::optional<int> current;  // 1..8; empty when User 2 names no level
    std::array<std::uint8_t, kCpiLevelCount> values{};  // value indexes
    std::array<Rgb, kCpiLevelCount> colours{};
};
// The levels as the working copies hold them (a refresh: never writes).
CpiLevels cpiLevelsOf(const image::ImageModel& model);
// The items of the current-level list: "CPI1" up to "CPI<count>".
std::vector<std::string> currentLevelItems(int count);

// Writes the level count (1..8) as Vendor 43; the current level is not written.
device::Result setLevelCount(device::Workspace& workspace, int count);
// A click on a level's label on the main page: the first level out of use comes into use, the
// last level in use goes out of use; other clicks, and the only level in use, change nothing.
device::Result toggleLevel(device::Workspace& workspace, int level);
// Writes User 2 = level - 1.
device::Result setCurrentLevel(device::Workspace& workspace, int level);
// Writes the level's value index into its byte pair, then re-sends the current level (first a
// neighbour, then itself) so the mouse applies the new value at once.
device::Result setLevelValue(device::Workspace& workspace, int level, std::uint8_t valueIndex);
// Writes the level's three colour bytes in one live write.
device::Result setLevelColour(device::Workspace& workspace, int level, Rgb colour);

// Lit segments (1..12) of a value bar for a value index: the single segment (style 1 of the
// DPILED_Status program setting) or segments 1..index + 1 (style 0, a progress bar).
std::vector<bool> barSegments(std::uint8_t valueIndex, int style, int segments = 12);

}  // namespace gm::settings
