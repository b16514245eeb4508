#include "buttons/profile_switch.h"

#include <algorithm>
#include <array>

#include "buttons/key_name.h"
#include "buttons/key_push.h"
#include "buttons/key_tables.h"

namespace gm::buttons {

image::KeyCode plainProfileSwitch(std::size_t profile) {
    return {0x07, static_cast<std::uint8_t>(0x80 + profile), 0x00, 0x00};
}

image::KeyCode optionProfileSwitch(std::size_t profile, const ButtonState& state) {
    const int b1 = 0x80 + static_cast<int>(profile) + (state.returnToZero ? 0x40 : 0) +
                   (state.adjustXY ? 0x20 : 0) + (state.changeColour ? 0x10 : 0);
    const int item = state.profileColourItems[profile];
    const int colour = state.ledModeSecondItem || item > 9 ? 0xF0 : item * 16;
    const int offset = std::clamp(state.offset, 0, kMaxOffset);
    return {0x07, static_cast<std::uint8_t>(b1), static_cast<std::uint8_t>(colour + (offset >> 8)),
            static_cast<std::uint8_t>(offset & 0xFF)};
}

device::Result applyProfileSwitchOptions(device::Workspace& workspace, ButtonState& state) {
    state.offset = std::clamp(state.offset, 0, kMaxOffset);
    image::ImageModel& model = workspace.model();
    constexpr std::array<std::string_view, 3> modes{names::kOfficeMode, names::kGameMode,
                                                    names::kThirdMode};
    forEachProfileKey([&](KeyRef ref) {
        const KeyName name = nameOf(profileKeyCode(model, ref), {state.rememberedFire, nullptr});
        for (std::size_t target = 0; target < modes.size(); ++target) {
            if (name.is(modes[target]))
                setProfileKeyCode(model, ref, optionProfileSwitch(target, state));
        }
    });
    return pushKeyTables(workspace);
}

}  // namespace gm::buttons
