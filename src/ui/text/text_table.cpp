#include "ui/text/text_table.h"

#include <utility>

#include "ui/text/language_data.h"

namespace gm::ui::text {

namespace {

constexpr int kLastLookedUpNumber = 800;

std::size_t indexOf(Language language) {
    return static_cast<std::size_t>(languageNumber(language) - 1);
}

}  // namespace

TextTable::TextTable(std::array<image::settings::IniSection, kLanguageCount> tables)
    : tables_(std::move(tables)) {}

TextTable TextTable::builtIn() {
    std::array<image::settings::IniSection, kLanguageCount> tables;
    for (const Language language :
         {Language::English, Language::Chinese, Language::NeutralEnglish}) {
        tables[indexOf(language)] =
            readLanguageTable(detail::kStoredLanguageTables[indexOf(language)], language);
    }
    return TextTable(std::move(tables));
}

std::string TextTable::text(std::string_view key) const {
    return table(language_).text(key);
}

std::string TextTable::identifierOf(std::string_view caption) const {
    std::string identifier;
    if (caption.empty())
        return identifier;
    for (int number = 0; number <= kLastLookedUpNumber; ++number) {
        const std::string key = "Str" + std::to_string(number);
        for (const image::settings::IniSection& section : tables_) {
            if (section.value(key) == caption)
                identifier = key;
        }
    }
    return identifier;
}

const image::settings::IniSection& TextTable::table(Language language) const {
    return tables_[indexOf(language)];
}

}  // namespace gm::ui::text
