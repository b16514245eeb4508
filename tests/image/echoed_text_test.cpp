// What a message repeats of the user's text: short text as given, long text cut around "…"
// with its length, control characters never raw.
#include "image/echoed_text.h"

#include <gtest/gtest.h>

namespace gm::image {
namespace {

TEST(EchoedText, ShortTextIsRepeatedAsGiven) {
    EXPECT_EQ(echoed(""), "");
    EXPECT_EQ(echoed("/tmp/cfg.bin"), "/tmp/cfg.bin");
    const std::string sixty(kEchoedCharacters, 'x');
    EXPECT_EQ(echoed(sixty), sixty);
    // Sixty characters of two bytes each are still sixty characters.
    std::string accented;
    for (std::size_t i = 0; i < kEchoedCharacters; ++i)
        accented += "\xc3\xa9";
    EXPECT_EQ(echoed(accented), accented);
}

TEST(EchoedText, LongTextKeepsItsStartAndEndAndSaysItsLength) {
    const std::string huge = "/home/user/" + std::string(100'000, 'a') + "/profile.bin";
    const std::string shown = echoed(huge);
    EXPECT_EQ(shown, "/home/user/" + std::string(19, 'a') + "…" + std::string(18, 'a') +
                         "/profile.bin (100023 characters)");
    EXPECT_LT(shown.size(), 100u);
}

TEST(EchoedText, CutsBetweenCharactersNeverInsideOne) {
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "\xe2\x82\xac";  // €
    std::string start;
    std::string end;
    for (std::size_t i = 0; i < kEchoedCharacters - kEchoedTail; ++i)
        start += "\xe2\x82\xac";
    for (std::size_t i = 0; i < kEchoedTail; ++i)
        end += "\xe2\x82\xac";
    EXPECT_EQ(echoed(text), start + "…" + end + " (100 characters)");
}

TEST(EchoedText, ControlCharactersAreShownAsHex) {
    EXPECT_EQ(echoed("\x1b[2Jgone\n\x7f"), "\\x1B[2Jgone\\x0A\\x7F");
}

}  // namespace
}  // namespace gm::image
