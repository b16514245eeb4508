#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/text/entries.h"

namespace gm::ui::text {
namespace {

using Entries = std::vector<std::string>;

TEST(Entries, QuotesKeepSpacesTogether) {
    EXPECT_EQ(splitEntries("\"[lang1]\"\r\n\"Str009=Save Profile\"\r\n\"Str011=Chinese\"\r\n"),
              (Entries{"[lang1]", "Str009=Save Profile", "Str011=Chinese"}));
}

TEST(Entries, UnquotedEntriesEndAtBlanksAndLineBreaks) {
    EXPECT_EQ(splitEntries("Str011=Chinese\r\nStr009=Save Profile\tX\n\nY"),
              (Entries{"Str011=Chinese", "Str009=Save", "Profile", "X", "Y"}));
    EXPECT_EQ(splitEntries("  \r\n \t "), Entries{});
    EXPECT_EQ(splitEntries(""), Entries{});
}

TEST(Entries, QuoteRules) {
    // A doubled quote inside quotes stands for one; an empty quoted entry is dropped.
    EXPECT_EQ(splitEntries(R"("Str1=say ""hi""" "" "b")"), (Entries{R"(Str1=say "hi")", "b"}));
    // A line break inside quotes stays in the entry.
    EXPECT_EQ(splitEntries("\"a\r\nb\" c"), (Entries{"a\r\nb", "c"}));
    // Text right after the closing quote joins the entry; a quote inside a word is a character.
    EXPECT_EQ(splitEntries("\"a b\"c d\"e f\""), (Entries{"a bc", "d\"e", "f\""}));
    // An unclosed quote runs to the end.
    EXPECT_EQ(splitEntries("x \"Str1=never closed\r\n"), (Entries{"x", "Str1=never closed\r\n"}));
}

}  // namespace
}  // namespace gm::ui::text
