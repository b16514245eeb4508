#pragma once
// The language tables lang1..lang3: every caption and message of the window by identifier
// ("Str022"), plus the keys FontName and Title.
//
// Stored form: UTF-16 little-endian, the mark FF FE first (skipped when present; without it the
// text starts at the first byte), one double-quoted entry per line. The first entry is the section
// header [langN], every other one key=value; they are read as the INI section langN.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "image/settings/ini_text.h"

namespace gm::ui::text {

enum class Language {
    English = 1,         // lang1
    Chinese = 2,         // lang2, Simplified Chinese
    NeutralEnglish = 3,  // lang3, English with a product title that names no maker
};

inline constexpr int kLanguageCount = 3;

// 1..3.
constexpr int languageNumber(Language language) {
    return static_cast<int>(language);
}

// The language of number 1..3 (a language button, a command-line choice); nothing otherwise.
std::optional<Language> languageFromNumber(int number);

// "lang1", "lang2", "lang3".
std::string sectionName(Language language);

image::settings::IniSection readLanguageTable(std::span<const std::uint8_t> stored,
                                              Language language);

// The identifier of text number `number`: "Str022".
std::string textKey(int number);

}  // namespace gm::ui::text
