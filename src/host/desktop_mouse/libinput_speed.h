#pragma once
// The pointer speed value (0..20, 10 the usual speed) on the scale of libinput's acceleration
// speed (-1..1, 0 the usual speed), which GNOME's `speed` key and KWin's `pointerAcceleration`
// both are, and back. Every level's value survives the trip.

#include <algorithm>
#include <cmath>

#include "settings/desktop/desktop_pointer.h"

namespace gm::host::desktop_mouse {

inline constexpr int kUsualPointerSpeed = 10;

inline double libinputSpeedOf(int speed) {
    return std::clamp((speed - kUsualPointerSpeed) / 10.0, -1.0, 1.0);
}

inline int speedOfLibinput(double speed) {
    return std::clamp(static_cast<int>(std::lround(speed * 10.0)) + kUsualPointerSpeed, 0,
                      settings::desktop::kMaxPointerSpeed);
}

}  // namespace gm::host::desktop_mouse
