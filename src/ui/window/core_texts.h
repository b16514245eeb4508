#pragma once
// The core's own messages (identifiers "gm.*", which the language tables do not hold) in
// Chinese, for language 2. Languages 1 and 3 show the core's English text.

#include <string_view>

namespace gm::ui {

// The Chinese pattern of a core message identifier, with the same %1.. placeholders as its
// English text; empty when there is none.
std::string_view chineseCoreText(std::string_view textId);

}  // namespace gm::ui
