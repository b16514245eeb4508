#pragma once
// Giving a button a function chosen in the key menu: a profile key on the user page or the
// engineering page, a combo key on the engineering page. Profile keys go to the mouse with the
// key-table push, combo keys at once with live writes.

#include "buttons/button_state.h"
#include "buttons/key_tables.h"
#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::buttons {

struct Assignment {
    device::Result pushed;
    // The change would have left profile 1 without a "Left Click" button: nothing was stored.
    bool refused = false;
};

// User page: profile 1 keeps at least one "Left Click" button.
Assignment assignUserKey(device::Workspace& workspace, const ButtonState& state, KeyRef key,
                         const image::KeyCode& code);
// Whether `key` is profile 1's only "Left Click" button, which keeps that function.
bool isLastLeftClick(const image::ImageModel& model, const ButtonState& state, KeyRef key);
// Engineering page: any profile key, no such rule.
device::Result assignEngineeringKey(device::Workspace& workspace, KeyRef key,
                                    const image::KeyCode& code);
// Combo key slot 0..8; the Vendor check byte is written after the code so a later read does not
// find the section damaged.
device::Result assignComboKey(device::Workspace& workspace, std::size_t slot,
                              const image::KeyCode& code);

// cb_BtnEFT: the stored button-effect state (0 off, 1 on), User byte 3, written at once.
device::Result setButtonEffect(device::Workspace& workspace, ButtonState& state, int item);

}  // namespace gm::buttons
