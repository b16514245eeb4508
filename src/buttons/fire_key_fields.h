#pragma once
// The rules of the user page's fire-key fields, as text in and corrected text out: what the
// field shows after a change, and after the user leaves it.

#include <string>
#include <string_view>

namespace gm::buttons {

// Only digits and backspace reach the repeat and interval fields.
bool fieldAcceptsKey(char key);
// Repeat while typing: empty becomes "2", above 15 becomes "15"; "1" is left for now.
std::string repeatWhileTyping(std::string_view text);
// Repeat on leaving: below 2 becomes "2" (the label promises 2..15).
std::string repeatOnLeaving(std::string_view text);
// Interval: empty or 0 becomes "1", above 4094 becomes "4094".
std::string intervalWhileTyping(std::string_view text);

}  // namespace gm::buttons
