#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "image/settings/engineering_access.h"

namespace gm::image::settings {
namespace {

// Answers each prompt with the next queued reply (nothing: cancelled) and counts the prompts.
struct PasswordDialog {
    std::vector<std::optional<std::string>> replies;
    int shown = 0;

    EngineeringAccess::PasswordPrompt prompt() {
        return [this]() -> std::optional<std::string> {
            const auto index = static_cast<std::size_t>(shown++);
            return index < replies.size() ? replies[index] : std::nullopt;
        };
    }
};

constexpr AccessVisibility kNothing{false, false};
constexpr AccessVisibility kEngineeringView{true, false};
constexpr AccessVisibility kFireRecorder{false, true};

void logoClicks(EngineeringAccess& access, int count) {
    for (int i = 0; i < count; ++i)
        access.logoDoubleClicked();
}

TEST(EngineeringAccess, PromptOpensOnEveryFifthDoubleClickOfBothPlacesTogether) {
    PasswordDialog dialog;
    EngineeringAccess access(dialog.prompt());
    logoClicks(access, 2);
    access.fireRecorderDoubleClicked();
    access.fireRecorderDoubleClicked();
    EXPECT_EQ(dialog.shown, 0);
    access.logoDoubleClicked();
    EXPECT_EQ(dialog.shown, 1);
    for (int i = 0; i < 4; ++i)
        access.fireRecorderDoubleClicked();
    EXPECT_EQ(dialog.shown, 1);
    access.logoDoubleClicked();
    EXPECT_EQ(dialog.shown, 2);
    logoClicks(access, 5);
    EXPECT_EQ(dialog.shown, 3);
    EXPECT_EQ(access.doubleClickCount(), 15u);
    EXPECT_FALSE(access.unlocked());
    EXPECT_EQ(access.visibility(), kNothing);
}

TEST(EngineeringAccess, EngineeringCodeShowsTheViewAndTheNextLogoClickHidesIt) {
    PasswordDialog dialog{{std::string(kEngineeringCode)}};
    EngineeringAccess access(dialog.prompt());
    logoClicks(access, 4);
    EXPECT_EQ(access.logoDoubleClicked(), kEngineeringView);
    EXPECT_TRUE(access.unlocked());

    EXPECT_EQ(access.logoDoubleClicked(), kNothing);
    EXPECT_FALSE(access.unlocked());
    EXPECT_EQ(dialog.shown, 1);  // hidden without asking
    EXPECT_EQ(access.doubleClickCount(), 5u);
}

TEST(EngineeringAccess, FireRecorderCodeThroughTheLogoOnlyUnlocks) {
    PasswordDialog dialog{{std::string(kFireRecorderCode)}};
    EngineeringAccess access(dialog.prompt());
    logoClicks(access, 5);
    EXPECT_TRUE(access.unlocked());
    EXPECT_EQ(access.visibility(), kNothing);

    // The next logo double-click runs the hide step: locks, no prompt, no count.
    EXPECT_EQ(access.logoDoubleClicked(), kNothing);
    EXPECT_FALSE(access.unlocked());
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(access.doubleClickCount(), 5u);
}

TEST(EngineeringAccess, FireRecorderCodeThroughItsGestureShowsAndHidesTheRecorder) {
    PasswordDialog dialog{{std::string(kFireRecorderCode)}};
    EngineeringAccess access(dialog.prompt());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(access.fireRecorderDoubleClicked(), kNothing);
    EXPECT_EQ(access.fireRecorderDoubleClicked(), kFireRecorder);
    EXPECT_TRUE(access.unlocked());

    EXPECT_EQ(access.fireRecorderDoubleClicked(), kNothing);
    EXPECT_FALSE(access.unlocked());
    EXPECT_EQ(dialog.shown, 1);
}

TEST(EngineeringAccess, EngineeringCodeDoesNotOpenTheFireRecorder) {
    PasswordDialog dialog{{std::string(kEngineeringCode)}};
    EngineeringAccess access(dialog.prompt());
    for (int i = 0; i < 5; ++i)
        access.fireRecorderDoubleClicked();
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_FALSE(access.unlocked());
    EXPECT_EQ(access.visibility(), kNothing);
}

TEST(EngineeringAccess, WrongCancelledOrMiscasedCodesChangeNothing) {
    PasswordDialog dialog{{"korvanfqdxrw", std::nullopt, " KorvanfQDXRW", "KorvanfQDXR", ""}};
    EngineeringAccess access(dialog.prompt());
    logoClicks(access, 25);
    EXPECT_EQ(dialog.shown, 5);
    EXPECT_FALSE(access.unlocked());
    EXPECT_EQ(access.visibility(), kNothing);

    // No limit: the sixth prompt still accepts the right code.
    dialog.replies.push_back(std::string(kEngineeringCode));
    logoClicks(access, 5);
    EXPECT_EQ(access.visibility(), kEngineeringView);
}

TEST(EngineeringAccess, FireGestureLocksWithoutHidingTheEngineeringView) {
    PasswordDialog dialog{{std::string(kEngineeringCode)}};
    EngineeringAccess access(dialog.prompt());
    logoClicks(access, 5);
    EXPECT_EQ(access.fireRecorderDoubleClicked(), kEngineeringView);
    EXPECT_FALSE(access.unlocked());
    // Locked again, so the logo counts towards the next prompt instead of hiding the view.
    access.logoDoubleClicked();
    EXPECT_EQ(access.visibility(), kEngineeringView);
    EXPECT_EQ(access.doubleClickCount(), 6u);
}

TEST(EngineeringAccess, WithoutAPromptTheFifthClickChangesNothing) {
    EngineeringAccess access(nullptr);
    logoClicks(access, 10);
    EXPECT_FALSE(access.unlocked());
    EXPECT_EQ(access.doubleClickCount(), 10u);
}

}  // namespace
}  // namespace gm::image::settings
