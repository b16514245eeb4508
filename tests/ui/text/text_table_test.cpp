#include <gtest/gtest.h>

#include <array>

#include "ui/text/text_table.h"

namespace gm::ui::text {
namespace {

using image::settings::IniSection;
using image::settings::IniText;

IniSection section(const char* text, const char* name) {
    return IniText::parse(text).section(name);
}

TEST(TextTable, AnswersInTheCurrentLanguageStartingWithLanguageOne) {
    TextTable table = TextTable::builtIn();
    EXPECT_EQ(table.language(), Language::English);
    EXPECT_EQ(table.text("Str022"), "Finding the specified device");
    table.setLanguage(Language::Chinese);
    EXPECT_EQ(table.text("Str022"), "正在查找指定设备");
    EXPECT_EQ(table.text("Str868"), "");  // only language 1 has it
    table.setLanguage(Language::NeutralEnglish);
    EXPECT_EQ(table.title(), "USB Gaming Mouse");
    EXPECT_FALSE(table.fontName().empty());
    EXPECT_EQ(table.text("NoSuchKey"), "");
}

TEST(TextTable, IdentifierOfACaptionComesFromTheLastMatch) {
    const TextTable table = TextTable::builtIn();
    EXPECT_EQ(table.identifierOf("Left Click"), "Str210");
    EXPECT_EQ(table.identifierOf("左键"), "Str210");
    // Held under several identifiers: the highest wins.
    EXPECT_EQ(table.identifierOf("Office Mode"), "Str251");  // Str004, Str251
    EXPECT_EQ(table.identifierOf("Stop"), "Str401");         // Str271, Str284, Str401
    EXPECT_EQ(table.identifierOf("Fire Key"), "Str800");     // Str230, Str800
    // Only Str100..Str800 are looked at.
    EXPECT_EQ(table.identifierOf("Reset"), "");                         // Str001 only
    EXPECT_EQ(table.identifierOf("Finding the specified device"), "");  // Str022
    EXPECT_EQ(table.identifierOf("Number of cycles(1-254)"), "");       // Str868
    EXPECT_EQ(table.identifierOf("No such caption"), "");
}

TEST(TextTable, LaterTablesWinAndEmptyCaptionsMatchNothing) {
    const TextTable table({section("[lang1]\nStr300=same\nStr101=\n", "lang1"),
                           section("[lang2]\nStr200=same\n", "lang2"),
                           section("[lang3]\nStr200=same\nStr7=same\n", "lang3")});
    // Str300 is tried after Str200 whatever the table.
    EXPECT_EQ(table.identifierOf("same"), "Str300");
    // An empty caption would otherwise match Str101 and every key a table lacks.
    EXPECT_EQ(table.identifierOf(""), "");

    const TextTable lastTable({section("[lang1]\nStr500=a\n", "lang1"), IniSection(),
                               section("[lang3]\nStr500=a\n", "lang3")});
    EXPECT_EQ(lastTable.identifierOf("a"), "Str500");
}

}  // namespace
}  // namespace gm::ui::text
