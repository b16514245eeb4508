#pragma once
// The events of a body, one per item up to the terminator, and how each reads as a line
// ("A down", "50 ms", "left up", "move 5 -3", "repeat 3").

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gm::macros {

struct MacroEvent {
    enum class Kind { Key, Modifier, Button, Move, Delay, RepeatStart, RepeatEnd };
    Kind kind = Kind::Key;
    bool down = false;  // Key, Modifier, Button
    int value = 0;      // usage, modifier mask, button bit, delay ms, repeat count
    int x = 0, y = 0;   // Move, signed
};

// The events of the body's items (an unknown opcode ends them, as it ends the scan).
std::vector<MacroEvent> eventsOf(std::span<const std::uint8_t> body);

// The event as one line of text.
std::string describeEvent(const MacroEvent& event);

// The movement item for x and y, each clamped to -128..127 and stored as its low 8 bits.
std::array<std::uint8_t, 3> moveItem(int x, int y);

}  // namespace gm::macros
