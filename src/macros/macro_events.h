#pragma once
// The events of a body, one per item up to the terminator, and how each reads as a line
// ("A down", "50 ms", "left up", "move 5 -3", "repeat 3"), and back.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gm::macros {

struct MacroEvent {
    enum class Kind { Key, Modifier, Button, Move, Delay, RepeatStart, RepeatEnd };
    Kind kind = Kind::Key;
    bool down = false;  // Key, Modifier, Button
    int value = 0;      // usage, modifier mask, button bit, delay ms, repeat count
    int x = 0, y = 0;   // Move, signed
    bool operator==(const MacroEvent&) const = default;
};

// The events of the body's items (an unknown opcode ends them, as it ends the scan).
std::vector<MacroEvent> eventsOf(std::span<const std::uint8_t> body);

// The event as one line of text. A key whose name another key or a modifier also has reads
// "key 0xE7 down", so every line reads back as the event it was written from.
std::string describeEvent(const MacroEvent& event);

// The events a line reads as: what describeEvent writes, "left click" (a press and a release),
// "until released" (a repeat until the macro key is released) and "end repeat". Nothing when
// the line reads as no event.
std::optional<std::vector<MacroEvent>> eventsOfLine(std::string_view line);

// The movement item for x and y, each clamped to -128..127 and stored as its low 8 bits.
std::array<std::uint8_t, 3> moveItem(int x, int y);

}  // namespace gm::macros
