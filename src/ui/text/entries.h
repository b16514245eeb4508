#pragma once
// The entries of a language table's text: split at blanks (space, tab) and line breaks, except
// inside double quotes. A quote opens a quoted stretch only at the start of an entry; the stretch
// runs to the next lone quote, and "" inside it stands for one quote character. A quote that is
// never closed runs to the end of the text. Empty entries are dropped.
//
// So "Str009=Save Profile" (with its quotes) is one entry, and Str009=Save Profile without them
// is the two entries Str009=Save and Profile.

#include <string>
#include <string_view>
#include <vector>

namespace gm::ui::text {

std::vector<std::string> splitEntries(std::string_view text);

}  // namespace gm::ui::text
