#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "stored_tables.h"
#include "ui/text/language_table.h"

namespace gm::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(TextRecipes, LanguageRecipeBecomesMarkedUtf16LeWithCrLf) {
    const Bytes stored = storedLanguageTable("# a note\n\"[lang1]\"\n\n\"Str001=Re set\"\r\n", 1);
    const Bytes expected{0xFF, 0xFE, '"', 0, '[',  0, 'l',  0, 'a',  0, 'n', 0, 'g', 0, '1', 0,
                         ']',  0,    '"', 0, '\r', 0, '\n', 0, '"',  0, 'S', 0, 't', 0, 'r', 0,
                         '0',  0,    '0', 0, '1',  0, '=',  0, 'R',  0, 'e', 0, ' ', 0, 's', 0,
                         'e',  0,    't', 0, '"',  0, '\r', 0, '\n', 0};
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(ui::text::readLanguageTable(stored, ui::text::Language::English).text("Str001"),
              "Re set");
}

TEST(TextRecipes, LanguageRecipeRulesAreEnforced) {
    const char* bad[] = {
        "",                                           // no entries
        "\"[lang2]\"\n\"Str001=x\"\n",                // header of another language
        "\"Str001=x\"\n\"[lang1]\"\n",                // header not first
        "\"[lang1]\"\nStr001=x\n",                    // not quoted
        "\"[lang1]\"\n\"Str001=x\n",                  // quote not closed
        "\"[lang1]\"\n\"Str001=say \"x\"\"\n",        // quote inside
        "\"[lang1]\"\n\"Str001\"\n",                  // no value
        "\"[lang1]\"\n\"=x\"\n",                      // no key
        "\"[lang1]\"\n\"Str001=x\"\n\"STR001=y\"\n",  // repeated key
        "\"[lang1]\"\n\"Str001=\xE5\xB7\"\n",         // invalid UTF-8
    };
    for (const char* recipe : bad)
        EXPECT_THROW(storedLanguageTable(recipe, 1), std::runtime_error) << recipe;
}

TEST(TextRecipes, SettingsRecipeGetsCrLfLinesAndStaysAscii) {
    const Bytes stored = storedSettingsTable("[org]\nA=1\r\nB=2");
    EXPECT_EQ(std::string(stored.begin(), stored.end()), "[org]\r\nA=1\r\nB=2\r\n");
    EXPECT_THROW(storedSettingsTable("[org]\nWeb=\xE4\xB8\xAD\n"), std::runtime_error);
    EXPECT_THROW(storedSettingsTable("[org]\nA=\t1\n"), std::runtime_error);
}

}  // namespace
}  // namespace gm::tools
