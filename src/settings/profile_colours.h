#pragma once
// The active profile and its colour (User 0), with the bytes that go with choosing a profile
// (User 3..6).
#include <cstdint>
#include <optional>

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::settings {

inline constexpr int kProfileColourItems = 11;  // user colours 1..10, then the fixed colour
inline constexpr int kFixedProfileColour = 11;  // counted from 1, unlike the page items

// The engineering field edt_OffSet's default, the last byte of a profile-switch code.
inline constexpr std::uint8_t kDefaultSwitchOffset = 0x18;

// The program settings and engineering values that the User 3..6 bytes are made from.
struct ProfileExtras {
    bool buttonEffectEnabled = false;            // BE_Enable
    bool gameDelayEnabled = false;               // GD_Enable
    int buttonEffect = 0;                        // cb_BtnEFT item: 0 off, 1 on
    std::uint8_t offset = kDefaultSwitchOffset;  // edt_OffSet
};

// Colour item (1..11) to its 4-bit code and back; codes 10..14 name no item.
std::uint8_t colourCodeOf(int item);
std::optional<int> colourItemOf(std::uint8_t code);

struct ActiveProfile {
    int profile = 0;                // 0 Office, 1 Game, 2 Third; above 2 names none
    std::optional<int> colourItem;  // 1..11
};
ActiveProfile activeProfileOf(const image::ImageModel& model);
// "Office Mode", "Game Mode", "Third Mode".
std::string_view profileName(int profile);

// Writes User 3, 4, 5, 6 (one live write each) for the profile, then User 0 = profile + 16 x
// colour code.
device::Result setProfile(device::Workspace& workspace, int profile, int colourItem,
                          const ProfileExtras& extras = {});

// The engineering options that travel in a profile-switch key code.
struct SwitchOptions {
    bool rtz = false;                            // cb_RTZ
    bool axy = false;                            // cb_AXY
    bool cc = false;                             // cb_CC
    std::uint8_t offset = kDefaultSwitchOffset;  // edt_OffSet
};
// The colour shown when the mouse switches to `profile` (0..2): every button of the three key
// tables that switches to it gets the colour code and options, and the key tables are pushed
// (also when no button switches to it). The target profile stays in the code.
device::Result setProfileSwitchColour(device::Workspace& workspace, int profile, int colourItem,
                                      const SwitchOptions& options = {});
// The colour item of the first button that switches to `profile`; empty when none does.
std::optional<int> profileSwitchColourOf(const image::ImageModel& model, int profile);

}  // namespace gm::settings
