#pragma once
// The AIM key: while held, the sensor runs at one of twelve CPI levels. Every AIM button of the
// three profiles carries the same level: 05, level - 1, 00, 00.

#include <array>
#include <optional>

#include "buttons/button_state.h"
#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::buttons {

inline constexpr std::array<int, 12> kAimCpiLevels{200,  400,  600,  800,  1000, 1200,
                                                   1600, 2000, 2400, 3200, 4800, 6400};

// The level 1..12 of a CPI value in the list; nothing when the list lacks it.
std::optional<int> aimLevelOfCpi(int cpi);

enum class AimPage { User, Engineering };

struct AimSpread {
    device::Result pushed;
    bool noAimKey = false;  // no button is an AIM key: the level was not taken, the user was told
};

// Gives every AIM button `level`. Without any AIM button the user page falls back to level 1 and
// the engineering page keeps its level; both show their message.
AimSpread spreadAimLevel(device::Workspace& workspace, ButtonState& state, int level, AimPage page);

// After a read: the level of the active profile's AIM key, or 1 when it has none.
void refreshAimLevel(const image::ImageModel& model, ButtonState& state);

}  // namespace gm::buttons
