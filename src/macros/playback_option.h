#pragma once
// The playback option of a stored body: a body that begins with 0xFD n and ends with 0xFC 0x00
// repeats n times (1..254), or until the macro key is released (n = 0xFF).

#include <cstdint>
#include <optional>

#include "image/macro_tables.h"

namespace gm::macros {

inline constexpr std::uint8_t kUntilReleased = 0xFF;

// The count of the body's playback option; nothing when it has none.
std::optional<std::uint8_t> playbackOptionOf(const image::MacroBody& body);

// Sets the option (count 1..254, or kUntilReleased). A body that has one gets the new count;
// one without is shifted right by two, 0xFD and the count put in front and 0xFC before the
// terminator (3 bytes longer). False, the body unchanged, for a count of 0, a body without a
// terminator, or one with no room for the 3 bytes.
bool setPlaybackOption(image::MacroBody& body, std::uint8_t count);

}  // namespace gm::macros
