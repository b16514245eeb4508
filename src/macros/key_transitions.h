#pragma once
// The keyboard as the macro recorder reads it: each key transition gets its count (key-downs
// since the last key-up) and state, the keys pressed since the last combination are listed,
// and the release of the last of them raises the combination (the held non-modifier keys in
// press order and the held modifiers). Keys are HID keyboard usages.

#include <cstdint>
#include <optional>
#include <vector>

namespace gm::macros {

// What one transition was: the first down after a key-up, a further down while keys are held
// (a second key, or the keyboard repeating one), or a key-up.
enum class KeyState : int { FirstDown = 0, Up = 1, FurtherDown = 2 };

struct KeyReport {
    std::uint8_t usage = 0;
    int count = 0;  // key-downs since the last key-up; 0 for a key-up
    KeyState state = KeyState::Up;
};

struct HeldKey {
    std::uint8_t usage = 0;
    bool pressed = false;
    bool released = false;
};

// Left and right keys of one kind count as one modifier.
enum class Modifier : std::uint8_t { Shift = 1, Ctrl = 2, Alt = 4 };

struct ModifierSet {
    std::uint8_t bits = 0;
    bool contains(Modifier modifier) const {
        return (bits & static_cast<std::uint8_t>(modifier)) != 0;
    }
    void add(Modifier modifier) { bits |= static_cast<std::uint8_t>(modifier); }
    bool empty() const { return bits == 0; }
    bool operator==(const ModifierSet&) const = default;
};

struct KeyCombination {
    std::vector<std::uint8_t> keys;  // non-modifier usages in press order (Win keys among them)
    ModifierSet modifiers;
    bool operator==(const KeyCombination&) const = default;
};

// The modifier a usage is (Left/Right Shift, Ctrl, Alt); nothing for any other key.
std::optional<Modifier> modifierOfUsage(std::uint8_t usage);

class KeyTransitions {
public:
    struct Outcome {
        KeyReport report;
        std::optional<KeyCombination> combination;  // raised by the release of the last held key
    };

    Outcome keyDown(std::uint8_t usage);
    Outcome keyUp(std::uint8_t usage);

    const std::vector<HeldKey>& held() const { return held_; }
    // Forgets the held keys and the count (a new recording).
    void reset();

private:
    int count_ = 0;
    std::vector<HeldKey> held_;
};

}  // namespace gm::macros
