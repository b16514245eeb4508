#pragma once
// The three language tables as stored in the program, generated at build time by
// gm_text_resource_gen from the readable recipes resources/lang/lang1.txt .. lang3.txt. Use
// text_table.h.

#include <array>
#include <cstdint>
#include <span>

#include "ui/text/language_table.h"

namespace gm::ui::text::detail {

// lang1, lang2, lang3.
extern const std::array<std::span<const std::uint8_t>, kLanguageCount> kStoredLanguageTables;

}  // namespace gm::ui::text::detail
