#pragma once
// A user-defined chord as the chord dialog collects it: up to two keys from real key presses
// (a third starts again with itself) and the four modifiers from their boxes. What the field
// shows and the code it gives (02 mask key1 key2) follow from that state alone.

#include <cstdint>

#include "image/code_text.h"

namespace gm::buttons {

// Bits of the chord's modifier mask (b1).
enum class ChordModifier : std::uint8_t { Ctrl = 1, Shift = 2, Alt = 4, Win = 8 };

class ChordCapture {
public:
    // Whether a key press is one the chord takes: the modifier and Windows keys are not (the
    // boxes give the modifiers), nor any key pressed while Shift, Ctrl or Alt is held, nor a key
    // without a usage.
    static bool takes(std::uint8_t usage, bool modifierHeld);

    // Takes a key `takes` accepted: the first or second key; after two, it starts again.
    void addKey(std::uint8_t usage);
    void setModifier(ChordModifier modifier, bool on);
    bool hasModifier(ChordModifier modifier) const;
    int keyCount() const { return keyCount_; }
    // No keys, no modifiers.
    void clear();

    // 02 mask key1 key2.
    image::KeyCode code() const;
    // The chord's text: the checked modifiers in the order Ctrl, Shift, Alt, Win, then the keys'
    // names, joined by "+" ("Ctrl+Shift+A").
    std::string text() const;

private:
    std::uint8_t mask_ = 0;
    std::uint8_t keys_[2]{};
    int keyCount_ = 0;
};

}  // namespace gm::buttons
