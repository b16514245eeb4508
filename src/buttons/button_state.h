#pragma once
// The values of the button controls that the operations read: fire-key sets, combo-enable masks,
// profile-switch options, aim level, gesture choice. The window's controls show them; the CLI and
// the tests set them directly. Kept beside the workspace, one per editor.

#include <array>
#include <cstdint>

#include "buttons/fire_key_set.h"

namespace gm::buttons {

// The "Combo Enable" selectors of the engineering page, one per button kind that carries a mask.
enum class ComboSelector { Middle, Back, Forward, DpiLoop, DpiUp, DpiDown, FireMacro };
inline constexpr std::size_t kComboSelectorCount = 7;

// Which page a key menu was opened from, and for what.
enum class MenuOrigin { UserPage, EngineeringKey, EngineeringCombo };

// Colour selector item of a profile that means "no colour" (the fixed colour).
inline constexpr int kNoColourItem = 10;

struct ButtonState {
    FireKeySets fire;              // the three sets as the fields show them
    FireKeyMemory rememberedFire;  // R and T each set had when last applied
    std::array<std::uint8_t, kComboSelectorCount> comboMasks{};
    // "Profile Setting" group: option bits of profile-switch codes on combo keys.
    bool returnToZero = false;
    bool adjustXY = false;
    bool changeColour = false;
    int offset = 0x18;                        // edt_OffSet, 0..0xFFF
    std::array<int, 3> profileColourItems{};  // 0..9 user colours, kNoColourItem
    bool ledModeSecondItem = false;           // the LED mode selector on its second item
    int aimLevel = 1;                         // 1..12
    int gestureItem = 0;                      // cb_ChangeFireFun 0..6
    bool lightModeGesture = false;            // cb_ChangeLEDModeFun on its second item
    bool gunFireMode = false;                 // cb_IsGunFireMode
    int buttonEffect = 0;                     // cb_BtnEFT item: 0 off, 1 on
    int userPageProfile = 0;                  // the profile the user page shows, 0..2
};

}  // namespace gm::buttons
