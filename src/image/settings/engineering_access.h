#pragma once
// Who may see the engineering view and the fire macro recorder. Both are unlocked by an access
// code typed into the password dialog, which opens on every fifth double-click counted over the
// two hidden places together: the logo (engineering view) and the sixth background picture (fire
// macro recorder). There is no message and no limit on attempts.
//
// The window asks for the code through the prompt callback (its password dialog) and shows what
// visibility() says after each gesture:
//   engineering view: the engineering and gun tab sheets, the Default, Import Base Macro, Import
//     Fire Macro and Patch Code buttons visible, and the LED mode label and list enabled;
//   fire macro recorder: its start button and picture, name and macro lists, delay group and
//     picture visible.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace gm::image::settings {

// Unlocks the fire macro recorder (through its own gesture).
inline constexpr std::string_view kFireRecorderCode = "TelvirnQA";
// Unlocks the engineering view (through the logo gesture).
inline constexpr std::string_view kEngineeringCode = "KorvanfQDXRW";

struct AccessVisibility {
    bool engineeringView = false;
    bool fireRecorder = false;

    bool operator==(const AccessVisibility&) const = default;
};

class EngineeringAccess {
public:
    // Shows the password dialog; the typed text when confirmed, nothing when cancelled.
    using PasswordPrompt = std::function<std::optional<std::string>()>;

    explicit EngineeringAccess(PasswordPrompt prompt);

    // Double-click on the logo. When unlocked: hides the engineering view and locks, without a
    // prompt. Otherwise counts the click and, on every fifth, prompts: the engineering code shows
    // the engineering view and unlocks; the fire recorder code only unlocks.
    AccessVisibility logoDoubleClicked();
    // Double-click on the sixth background picture. When unlocked: locks. Otherwise counts the
    // click and, on every fifth, prompts: the fire recorder code unlocks. Either way the fire macro
    // recorder is then shown exactly when unlocked.
    AccessVisibility fireRecorderDoubleClicked();

    bool unlocked() const { return unlocked_; }
    std::uint64_t doubleClickCount() const { return doubleClicks_; }
    AccessVisibility visibility() const { return visibility_; }

private:
    // Counts one double-click; the typed text when this was a fifth one and the dialog was
    // confirmed, else nothing.
    std::optional<std::string> countAndPrompt();

    PasswordPrompt prompt_;
    bool unlocked_ = false;
    std::uint64_t doubleClicks_ = 0;
    AccessVisibility visibility_;
};

}  // namespace gm::image::settings
