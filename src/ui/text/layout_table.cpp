#include "ui/text/layout_table.h"

#include <string>

namespace gm::ui::text {

LayoutTable::LayoutTable(std::span<const std::uint8_t> stored, Language language) {
    const std::string_view text(reinterpret_cast<const char*>(stored.data()), stored.size());
    section_ = image::settings::IniText::parse(text).section(
        "org" + std::to_string(languageNumber(language)));
}

}  // namespace gm::ui::text
