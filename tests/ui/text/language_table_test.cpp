#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "ui/text/language_table.h"
#include "ui/text/utf16.h"

namespace gm::ui::text {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes stored(const std::string& text, bool mark = true) {
    Bytes bytes = mark ? Bytes{0xFF, 0xFE} : Bytes{};
    const auto encoded = utf16LeFromUtf8(text);
    bytes.insert(bytes.end(), encoded->begin(), encoded->end());
    return bytes;
}

TEST(LanguageTable, ReadsTheSectionOfItsLanguage) {
    const Bytes table = stored("\"[lang2]\"\r\n\"Str210=左键\"\r\n\"Title=USB 游戏鼠标\"\r\n");
    const auto section = readLanguageTable(table, Language::Chinese);
    EXPECT_EQ(section.text("Str210"), "左键");
    EXPECT_EQ(section.text("Title"), "USB 游戏鼠标");
    EXPECT_EQ(section.size(), 2u);
    // A missing key reads as an empty text.
    EXPECT_EQ(section.text("Str211"), "");
    // The same table read as another language finds no section.
    EXPECT_TRUE(readLanguageTable(table, Language::English).empty());
}

TEST(LanguageTable, WithoutTheMarkTheTextStartsAtTheFirstByte) {
    const std::string text = "\"[lang1]\"\r\n\"Str001=Reset\"\r\n";
    EXPECT_EQ(readLanguageTable(stored(text, false), Language::English).text("Str001"), "Reset");
    EXPECT_EQ(readLanguageTable(stored(text, true), Language::English).text("Str001"), "Reset");
}

TEST(LanguageTable, UnquotedEntriesAreCutAtSpaces) {
    const Bytes table =
        stored("\"[lang1]\"\r\nStr011=Chinese\r\nStr009=Save Profile\r\n\"Str010=Load Profile\"");
    const auto section = readLanguageTable(table, Language::English);
    EXPECT_EQ(section.text("Str011"), "Chinese");
    EXPECT_EQ(section.text("Str009"), "Save");
    EXPECT_EQ(section.text("Str010"), "Load Profile");
}

TEST(LanguageTable, DamagedTablesReadWhatTheyHold) {
    Bytes table = stored("\"[lang1]\"\r\n\"Str001=Reset\"\r\n\"Str002=Con");
    table.push_back(0x66);  // an odd byte at the end
    const auto section = readLanguageTable(table, Language::English);
    EXPECT_EQ(section.text("Str001"), "Reset");
    EXPECT_EQ(section.text("Str002"), "Con\xEF\xBF\xBD");

    EXPECT_TRUE(readLanguageTable(Bytes{}, Language::English).empty());
    EXPECT_TRUE(readLanguageTable(Bytes{0xFF}, Language::English).empty());
    EXPECT_TRUE(readLanguageTable(Bytes{0xFF, 0xFE, 0x00, 0xD8}, Language::English).empty());
}

TEST(LanguageTable, OnlyNumbersOneToThreeNameALanguage) {
    EXPECT_EQ(languageFromNumber(1), Language::English);
    EXPECT_EQ(languageFromNumber(2), Language::Chinese);
    EXPECT_EQ(languageFromNumber(3), Language::NeutralEnglish);
    EXPECT_FALSE(languageFromNumber(0));
    EXPECT_FALSE(languageFromNumber(4));
}

// Random tables built from the characters the reader acts on (quotes, blanks, line ends, "=",
// brackets, surrogate halves) must read without crash or over-read (run under the sanitizers),
// and every text read must be valid UTF-8.
TEST(LanguageTable, RandomTablesReadIntoValidText) {
    std::mt19937 random(2052);
    const std::uint8_t interesting[] = {'"', ' ', '\r', '\n', '=',  '[',  ']',  'l',  'a',
                                        'n', 'g', '1',  'S',  0x00, 0xD8, 0xDC, 0xFE, 0xFF};
    for (int round = 0; round < 2000; ++round) {
        Bytes table = round % 2 ? Bytes{0xFF, 0xFE} : Bytes{};
        const std::size_t length = random() % 97;
        for (std::size_t i = 0; i < length; ++i) {
            const bool pick = random() % 4 != 0;
            table.push_back(pick ? interesting[random() % sizeof interesting]
                                 : static_cast<std::uint8_t>(random()));
        }
        ASSERT_TRUE(utf16LeFromUtf8(utf8FromUtf16Le(table))) << round;
        const auto section = readLanguageTable(table, Language::English);
        for (const char* key : {"Str001", "S", "lang1", ""})
            ASSERT_TRUE(utf16LeFromUtf8(section.text(key))) << round;
    }
}

}  // namespace
}  // namespace gm::ui::text
