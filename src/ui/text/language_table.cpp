#include "ui/text/language_table.h"

#include <cstdio>
#include <vector>

#include "ui/text/entries.h"
#include "ui/text/utf16.h"

namespace gm::ui::text {

std::optional<Language> languageFromNumber(int number) {
    if (number < 1 || number > kLanguageCount)
        return std::nullopt;
    return static_cast<Language>(number);
}

std::string sectionName(Language language) {
    return "lang" + std::to_string(languageNumber(language));
}

image::settings::IniSection readLanguageTable(std::span<const std::uint8_t> stored,
                                              Language language) {
    if (stored.size() >= 2 && stored[0] == 0xFF && stored[1] == 0xFE)
        stored = stored.subspan(2);
    const std::vector<std::string> entries = splitEntries(utf8FromUtf16Le(stored));
    return image::settings::IniText::parseLines(entries).section(sectionName(language));
}

std::string textKey(int number) {
    char key[16];
    std::snprintf(key, sizeof key, "Str%03d", number);
    return key;
}

}  // namespace gm::ui::text
