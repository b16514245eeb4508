#pragma once
// Gestures built on the combo keys: the game-mode gesture (a long press, or a chord with the
// right button, switches to the second profile), the light-mode gesture (right + back steps the
// lighting mode), the fire-macro option, and the combo-enable masks of the engineering page.

#include <optional>

#include "buttons/button_state.h"
#include "buttons/macro_catalogue.h"
#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::buttons {

// Game-mode gesture items: 0 none, 1 hold middle, 2 hold DPI loop, 3 hold DPI up, 4 hold DPI
// down, 5 right + back, 6 right + forward.
inline constexpr int kGestureItemCount = 7;
// The mask the gesture places: 0x08 (hold, Combo Key4) or 0x02 (right chord, Combo Key2).
std::uint8_t gestureMask(int item);

// Applies item: Combo Key2 and Key4, the masks of every middle, back, forward and DPI button and
// of fire-macro buttons (when the fire-macro option is on); writes the Vendor section and pushes.
device::Result applyGameGesture(device::Workspace& workspace, ButtonState& state, int item,
                                const MacroCatalogue* macros = nullptr);
// Light-mode gesture on or off: Combo Key2 LED Mode and mask 0x02 on back buttons, or neither.
device::Result applyLightGesture(device::Workspace& workspace, ButtonState& state, bool on);
// Fire-macro buttons take part in the game-mode gesture (profile 2's fire macros get its mask).
device::Result applyGunFireMode(device::Workspace& workspace, ButtonState& state, bool on,
                                const MacroCatalogue* macros = nullptr);
// A "Combo Enable" selector changed: every button of each kind gets its selector's mask. A mask
// that is not one of the selector's choices is refused (InvalidRequest) and changes nothing.
device::Result applyComboMask(device::Workspace& workspace, ButtonState& state,
                              ComboSelector selector, std::uint8_t mask,
                              const MacroCatalogue* macros = nullptr);

// The user-page toggles 1..8: 1 light mode, 2..7 game-mode items 1..6, 8 fire-macro option.
// Each needs its button among the keys of the profile the page shows (8: a fire macro on
// profile 2 while that page is shown); nothing when the toggle was not accepted.
std::optional<device::Result> toggleGesture(device::Workspace& workspace, ButtonState& state,
                                            int toggle, const MacroCatalogue* macros = nullptr);

// After a read: the gesture item and the fire-macro option from the keys' names and masks.
void refreshGestures(const image::ImageModel& model, ButtonState& state,
                     const MacroCatalogue* macros = nullptr);

}  // namespace gm::buttons
