#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "ui/text/entries.h"
#include "ui/text/language_data.h"
#include "ui/text/text_table.h"
#include "ui/text/utf16.h"

namespace gm::ui::text {
namespace {

constexpr Language kLanguages[] = {Language::English, Language::Chinese, Language::NeutralEnglish};

const TextTable& tables() {
    static const TextTable table = TextTable::builtIn();
    return table;
}

const image::settings::IniSection& tableOf(Language language) {
    return tables().table(language);
}

class BuiltInTable : public testing::TestWithParam<Language> {};

TEST_P(BuiltInTable, IsStoredAsQuotedUtf16LeLinesAfterTheMark) {
    const auto stored = detail::kStoredLanguageTables[languageNumber(GetParam()) - 1];
    ASSERT_GE(stored.size(), 2u);
    EXPECT_EQ(stored[0], 0xFF);
    EXPECT_EQ(stored[1], 0xFE);
    EXPECT_EQ(stored.size() % 2, 0u);
    const std::string text = utf8FromUtf16Le(stored.subspan(2));
    EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos);  // nothing undecodable
    ASSERT_TRUE(text.ends_with("\r\n"));
    std::string_view rest = text;
    int lines = 0;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        ASSERT_NE(end, std::string_view::npos);
        const std::string_view line = rest.substr(0, end);
        ASSERT_GE(line.size(), 2u);
        EXPECT_TRUE(line.front() == '"' && line.back() == '"') << line;
        EXPECT_EQ(std::ranges::count(line, '"'), 2) << line;
        EXPECT_EQ(line.find('\n'), std::string_view::npos) << line;
        if (lines++ == 0) {
            EXPECT_EQ(line, "\"[" + sectionName(GetParam()) + "]\"");
        }
        rest.remove_prefix(end + 2);
    }
    // Every line is one entry and one key: nothing is cut at a space or lost as a repeat.
    EXPECT_EQ(splitEntries(text).size(), static_cast<std::size_t>(lines));
    EXPECT_EQ(tableOf(GetParam()).size() + 1, static_cast<std::size_t>(lines));
}

TEST_P(BuiltInTable, HoldsTheFontTitleAndEveryCommonText) {
    const auto& table = tableOf(GetParam());
    EXPECT_FALSE(table.text("FontName").empty());
    EXPECT_FALSE(table.text("Title").empty());
    EXPECT_TRUE(table.value("Str101"));  // present and empty
    EXPECT_EQ(table.text("Str101"), "");
    // Every identifier the English table holds (but the ones only it has) is in this one too.
    for (int number = 1; number <= 868; ++number) {
        const std::string key = textKey(number);
        if (!tableOf(Language::English).value(key) || number >= 860)
            continue;
        EXPECT_TRUE(table.value(key)) << key;
        if (number != 101) {
            EXPECT_FALSE(table.text(key).empty()) << key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, BuiltInTable, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& param) {
                             return sectionName(param.param);
                         });

TEST(BuiltInTables, KeySetsDifferAsEachLanguageNeeds) {
    EXPECT_EQ(tableOf(Language::English).size(), 226u);
    EXPECT_EQ(tableOf(Language::Chinese).size(), 224u);
    EXPECT_EQ(tableOf(Language::NeutralEnglish).size(), 224u);
    for (const char* key :
         {"Str860", "Str861", "Str862", "Str863", "Str864", "Str866", "Str867", "Str868"}) {
        EXPECT_TRUE(tableOf(Language::English).value(key)) << key;
        EXPECT_FALSE(tableOf(Language::Chinese).value(key)) << key;
        EXPECT_FALSE(tableOf(Language::NeutralEnglish).value(key)) << key;
    }
    for (const char* key : {"Str108", "Str312", "Str313", "Str524", "Str525", "Str526"}) {
        EXPECT_FALSE(tableOf(Language::English).value(key)) << key;
        EXPECT_FALSE(tableOf(Language::Chinese).text(key).empty()) << key;
        EXPECT_FALSE(tableOf(Language::NeutralEnglish).text(key).empty()) << key;
    }
    // The seventh lighting mode name has no text in any language.
    for (const Language language : kLanguages)
        EXPECT_FALSE(tableOf(language).value("Str865"));
}

TEST(BuiltInTables, EnglishTextsAndTitles) {
    const auto& english = tableOf(Language::English);
    EXPECT_EQ(english.text("Str001"), "Reset");
    EXPECT_EQ(english.text("Str009"), "Save Profile");
    EXPECT_EQ(english.text("Str022"), "Finding the specified device");
    EXPECT_EQ(english.text("Str213"), "Backward");
    EXPECT_EQ(english.text("Str293"), "Desktop");
    EXPECT_EQ(english.text("Str311"), "6400");
    EXPECT_EQ(english.text("Str855"), "Stop after the macro played over.");
    EXPECT_EQ(english.text("Str868"), "Number of cycles(1-254)");
    EXPECT_EQ(tableOf(Language::NeutralEnglish).text("Title"), "USB Gaming Mouse");
    EXPECT_NE(english.text("Title"), "USB Gaming Mouse");
    // lang3 differs from lang1 only in the title and the keys it adds or lacks.
    for (int number = 1; number < 860; ++number) {
        const std::string key = textKey(number);
        if (english.value(key)) {
            EXPECT_EQ(tableOf(Language::NeutralEnglish).text(key), english.text(key)) << key;
        }
    }
}

TEST(BuiltInTables, ChineseTableIsTranslated) {
    const auto& chinese = tableOf(Language::Chinese);
    EXPECT_EQ(chinese.text("Str210"), "左键");
    EXPECT_EQ(chinese.text("Str803"), "按住持续连发");
    int untranslated = 0;
    for (int number = 1; number < 860; ++number) {
        const std::string text = chinese.text(textKey(number));
        if (!text.empty() && text == tableOf(Language::English).text(textKey(number)))
            ++untranslated;
    }
    // Numbers, report rates, "*", "English" and a few names stay as they are.
    EXPECT_LT(untranslated, 30);
}

}  // namespace
}  // namespace gm::ui::text
