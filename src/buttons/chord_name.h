#pragma once
// Keyboard chords (class 02): b1 a modifier mask (bit 0 Ctrl, 1 Shift, 2 Alt, 3 Win), b2 and b3
// keyboard usages. Named "Ctrl+Shift+A"; a chord of nothing is "User-defined".

#include <optional>
#include <string>
#include <string_view>

#include "image/code_text.h"

namespace gm::buttons {

// The chord's name; empty when it holds nothing (the caller names that "User-defined").
std::string chordNameOf(const image::KeyCode& code);
// The chord a name like "Ctrl+Shift+A" stands for: modifiers first, then up to two key names.
std::optional<image::KeyCode> chordOfName(std::string_view name);

}  // namespace gm::buttons
