#pragma once
// The texts of the window in the current language, asked by identifier ("Str022"), and the way
// back from a caption to its identifier. The program starts in language 1; only the language
// buttons change the language, and it is not kept between runs.

#include <array>
#include <string>
#include <string_view>

#include "image/settings/ini_text.h"
#include "ui/text/language_table.h"

namespace gm::ui::text {

class TextTable {
public:
    // The tables of lang1, lang2 and lang3 in that order.
    explicit TextTable(std::array<image::settings::IniSection, kLanguageCount> tables);

    // The three tables built into the program.
    static TextTable builtIn();

    Language language() const { return language_; }
    void setLanguage(Language language) { language_ = language; }

    // The text of `key` ("Str022", "Title", "FontName") in the current language; empty when the
    // table does not hold it.
    std::string text(std::string_view key) const;
    std::string title() const { return text("Title"); }
    std::string fontName() const { return text("FontName"); }

    // The identifier whose text equals `caption`. The keys "Str" + number without leading zeros,
    // numbers 0..800 in increasing order, are tried in lang1, lang2 and lang3, and the last match
    // wins. The tables' keys have three digits, so only Str100..Str800 can match; a text held
    // under several identifiers gives the highest one. Empty when none matches; an empty caption
    // matches nothing (not even keys the tables lack).
    std::string identifierOf(std::string_view caption) const;

    const image::settings::IniSection& table(Language language) const;

private:
    std::array<image::settings::IniSection, kLanguageCount> tables_;
    Language language_ = Language::English;
};

}  // namespace gm::ui::text
