#pragma once
// Profile-switch codes (class 07): plain 07 8p 00 00 from the user page; on combo keys with the
// "Profile Setting" options: return-to-zero 0x40, adjust-XY 0x20, change-colour 0x10 in b1, the
// target's colour nibble and the offset in b2 and b3.

#include <cstddef>

#include "buttons/button_state.h"
#include "device/result.h"
#include "device/session/workspace.h"
#include "image/code_text.h"

namespace gm::buttons {

inline constexpr int kMaxOffset = 0xFFF;

image::KeyCode plainProfileSwitch(std::size_t profile);  // profile 0..2
image::KeyCode optionProfileSwitch(std::size_t profile, const ButtonState& state);

// After a change of an option or the offset (clamped to 0xFFF): every "Office Mode", "Game Mode"
// and "Third Mode" key of the three profiles re-coded in the option form, then the push.
device::Result applyProfileSwitchOptions(device::Workspace& workspace, ButtonState& state);

}  // namespace gm::buttons
