#pragma once
// The code of a key menu entry, by the entry's tag. Some entries read controls: the combo-enable
// masks, the AIM level, the fire-key sets, the chip type and, on combo keys, the profile options.

#include <optional>

#include "buttons/button_state.h"
#include "image/code_text.h"
#include "image/geometry.h"

namespace gm::buttons {

namespace tags {
inline constexpr int kLeft = 900, kRight = 901, kMiddle = 902, kBack = 903, kForward = 904;
inline constexpr int kAim = 1000, kLedMode = 1001, kLedSwitch = 1002, kButtonEffect = 1003;
inline constexpr int kReportRate = 1004, kFireMacroKey = 1005, kFireMacroOff = 1006;
inline constexpr int kKeyOff = 1007;
inline constexpr int kMediaFirst = 1100, kMediaLast = 1106;
inline constexpr int kWebFirst = 1200, kWebLast = 1206;
inline constexpr int kPcFirst = 1300, kPcLast = 1303;
inline constexpr int kDpiLoop = 2000, kDpiUp = 2001, kDpiDown = 2002;
inline constexpr int kFireKeyFirst = 2100, kFireKeyLast = 2102;
inline constexpr int kAcpiFirst = 2200, kAcpiLast = 2202;
inline constexpr int kProfileFirst = 2300, kProfileLast = 2302, kProfileLoop = 2303;
inline constexpr int kAdjustXYFn = 2400, kAdjustXYSwitch = 2401;
}  // namespace tags

struct TagContext {
    const ButtonState& state;
    image::ChipType chip = image::ChipType::Chip4210A;
    MenuOrigin origin = MenuOrigin::UserPage;
};

// The entry's code; tag 0 gives 00000000; nothing for a tag no entry carries.
std::optional<image::KeyCode> codeOfTag(int tag, const TagContext& context);

}  // namespace gm::buttons
