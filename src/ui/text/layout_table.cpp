#include "ui/text/layout_table.h"

#include <string>

#include "ui/text/layout_data.h"

namespace gm::ui::text {

LayoutTable::LayoutTable(std::span<const std::uint8_t> stored, Language language) {
    const std::string_view text(reinterpret_cast<const char*>(stored.data()), stored.size());
    section_ = image::settings::IniText::parse(text).section(
        "org" + std::to_string(languageNumber(language)));
}

LayoutTable LayoutTable::builtIn(Language language) {
    return {detail::kStoredLayoutTables[static_cast<std::size_t>(languageNumber(language) - 1)],
            language};
}

}  // namespace gm::ui::text
