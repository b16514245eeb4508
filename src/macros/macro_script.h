#pragma once
// The macro editor's script: a body's events one per line, with the delay mode and the playback
// option they were recorded under, and the conversions between a script and a stored body.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "image/macro_tables.h"
#include "macros/macro_events.h"

namespace gm::macros {

// How delays are recorded: none, the real time between events, or one fixed value.
enum class DelayMode { None, Recorded, Fixed };

inline constexpr int kMaxDelayMs = 65535;
inline constexpr int kMaxCycles = 254;

struct MacroScript {
    DelayMode delayMode = DelayMode::None;
    int fixedDelay = 1;  // the delay of DelayMode::Fixed, 1..65535 ms
    // The playback option: nothing, a count of 1..254 cycles, or kUntilReleased. It becomes
    // the 0xFD n ... 0xFC wrapper of the body unless the events hold repeat markers of their own.
    std::optional<std::uint8_t> playback;
    std::vector<MacroEvent> events;
    bool operator==(const MacroScript&) const = default;
};

// The script of a stored body (its items up to the terminator). The leading 0xFD n and the 0xFC
// just before the terminator are the playback option when they wrap the whole body and no other
// repeat marker is inside; every other marker stays an event of its own, where it stands, so
// reopening a macro never moves a repeat. The delay mode is read from the first four delays:
// none non-zero, No Delay; four equal non-zero ones, a fixed delay of that value; else Record.
MacroScript scriptOfBody(std::span<const std::uint8_t> body);

struct EncodedBody {
    image::MacroBody body{};
    std::size_t length = 0;  // bytes including the terminator
    bool fits = true;        // false: the events need more than 256 bytes, `body` is unset
};

// The body of a script: the events' items, the playback wrapper when there is an option and no
// repeat start among the events, the terminator.
EncodedBody bodyOfScript(const MacroScript& script);

// Bytes the event takes in a body.
std::size_t itemBytes(const MacroEvent& event);
// Appends the event's item to `bytes` (a delay clamped to 0..65535 ms, a movement to -128..127).
void appendItem(const MacroEvent& event, std::vector<std::uint8_t>& bytes);
// Bytes the script's events and wrapper take, the terminator included.
std::size_t scriptBytes(const MacroScript& script);
bool hasRepeatMarkers(const MacroScript& script);

// The text of an event in the editor's list: the key's name, "50 ms", "X: 5  Y: -3",
// "Rep-Start  3", "Rep-Stop".
std::string editorText(const MacroEvent& event);

}  // namespace gm::macros
