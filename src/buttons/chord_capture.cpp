#include "buttons/chord_capture.h"

#include "buttons/chord_name.h"

namespace gm::buttons {

namespace {

constexpr std::uint8_t kChordClass = 0x02;
constexpr std::uint8_t kFirstModifierUsage = 0xE0;  // Left Ctrl; 0xE0..0xE7 with the Win keys

}  // namespace

bool ChordCapture::takes(std::uint8_t usage, bool modifierHeld) {
    return usage != 0 && usage < kFirstModifierUsage && !modifierHeld;
}

void ChordCapture::addKey(std::uint8_t usage) {
    if (keyCount_ == 2) {
        keys_[0] = keys_[1] = 0;
        keyCount_ = 0;
    }
    keys_[keyCount_++] = usage;
}

void ChordCapture::setModifier(ChordModifier modifier, bool on) {
    const auto bit = static_cast<std::uint8_t>(modifier);
    mask_ = static_cast<std::uint8_t>(on ? mask_ | bit : mask_ & ~bit);
}

bool ChordCapture::hasModifier(ChordModifier modifier) const {
    return (mask_ & static_cast<std::uint8_t>(modifier)) != 0;
}

void ChordCapture::clear() {
    *this = ChordCapture{};
}

image::KeyCode ChordCapture::code() const {
    return {kChordClass, mask_, keys_[0], keys_[1]};
}

std::string ChordCapture::text() const {
    return chordNameOf(code());
}

}  // namespace gm::buttons
