#include "macros/key_transitions.h"

#include <algorithm>

namespace gm::macros {

std::optional<Modifier> modifierOfUsage(std::uint8_t usage) {
    switch (usage) {
        case 0xE0:  // Left Ctrl
        case 0xE4:  // Right Ctrl
            return Modifier::Ctrl;
        case 0xE1:  // Left Shift
        case 0xE5:  // Right Shift
            return Modifier::Shift;
        case 0xE2:  // Left Alt
        case 0xE6:  // Right Alt
            return Modifier::Alt;
        default:
            return std::nullopt;
    }
}

KeyTransitions::Outcome KeyTransitions::keyDown(std::uint8_t usage) {
    ++count_;
    const auto listed = std::find_if(held_.begin(), held_.end(),
                                     [usage](const HeldKey& key) { return key.usage == usage; });
    if (listed == held_.end()) {
        held_.push_back({usage, true, false});
    } else {
        // Pressed again before the combination: held until its next release.
        listed->pressed = true;
        listed->released = false;
    }
    const KeyState state = count_ == 1 ? KeyState::FirstDown : KeyState::FurtherDown;
    return {{usage, count_, state}, std::nullopt};
}

KeyTransitions::Outcome KeyTransitions::keyUp(std::uint8_t usage) {
    count_ = 0;
    Outcome outcome{{usage, 0, KeyState::Up}, std::nullopt};
    const auto listed = std::find_if(held_.begin(), held_.end(),
                                     [usage](const HeldKey& key) { return key.usage == usage; });
    // A key held since before the list began is not part of a combination.
    if (listed == held_.end())
        return outcome;
    listed->released = true;
    if (!std::all_of(held_.begin(), held_.end(), [](const HeldKey& key) { return key.released; }))
        return outcome;
    KeyCombination combination;
    for (const HeldKey& key : held_) {
        if (const auto modifier = modifierOfUsage(key.usage))
            combination.modifiers.add(*modifier);
        else
            combination.keys.push_back(key.usage);
    }
    held_.clear();
    outcome.combination = std::move(combination);
    return outcome;
}

void KeyTransitions::reset() {
    count_ = 0;
    held_.clear();
}

}  // namespace gm::macros
