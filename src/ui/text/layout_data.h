#pragma once
// The three layout tables as stored in the program, generated at build time by
// gm_text_resource_gen from resources/layout/org1.ini .. org3.ini. Use LayoutTable::builtIn.

#include <array>
#include <cstdint>
#include <span>

#include "ui/text/language_table.h"

namespace gm::ui::text::detail {

// org1, org2, org3.
extern const std::array<std::span<const std::uint8_t>, kLanguageCount> kStoredLayoutTables;

}  // namespace gm::ui::text::detail
