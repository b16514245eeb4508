#pragma once
// Confirming a gun preset: the button being edited gets the preset's code (stored only on the
// second profile's page, where the mouse plays fire macros; on the others only its caption
// changes), and everything the preset page edits goes to the mouse in order: the ten LED
// colours, the User section, the three profiles and the fire key area, the tail with the
// records (and 4230A names), then the User re-read and the key-table re-arm. The first step the
// mouse refuses ends the sequence; the areas it did not take are read back, so the views show
// what the mouse holds, and the result names that step and the ones done before it.

#include "buttons/button_state.h"
#include "buttons/key_tables.h"
#include "device/result.h"
#include "device/session/workspace.h"
#include "image/code_text.h"
#include "image/settings/program_settings.h"

namespace gm::macros {

struct GunChoice {
    int preset = 1;  // 1..7
    bool keepLeft = false;
    buttons::KeyRef key;  // the button being edited; its profile is the page's
};

struct GunConfirmation {
    image::KeyCode code{};
    bool stored = false;  // the code went into the key table (second profile only)
    device::Result written;
};

GunConfirmation confirmGunPreset(device::Workspace& workspace, const buttons::ButtonState& state,
                                 const image::settings::ProgramSettings& settings,
                                 const GunChoice& choice);

// The User section re-read as the gun-preset page opens, so its offsets show what the mouse has.
device::Result openGunPresets(device::Workspace& workspace);

}  // namespace gm::macros
