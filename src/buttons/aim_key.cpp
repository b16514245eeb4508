#include "buttons/aim_key.h"

#include <algorithm>

#include "buttons/key_name.h"
#include "buttons/key_push.h"
#include "buttons/key_tables.h"
#include "image/fields.h"

namespace gm::buttons {

std::optional<int> aimLevelOfCpi(int cpi) {
    const auto found = std::find(kAimCpiLevels.begin(), kAimCpiLevels.end(), cpi);
    if (found == kAimCpiLevels.end())
        return std::nullopt;
    return static_cast<int>(found - kAimCpiLevels.begin()) + 1;
}

AimSpread spreadAimLevel(device::Workspace& workspace, ButtonState& state, int level,
                         AimPage page) {
    level = std::clamp(level, 1, static_cast<int>(kAimCpiLevels.size()));
    image::ImageModel& model = workspace.model();
    bool changed = false;
    const image::KeyCode aim{0x05, static_cast<std::uint8_t>(level - 1), 0x00, 0x00};
    forEachProfileKey([&](KeyRef ref) {
        if (nameOf(profileKeyCode(model, ref), {state.rememberedFire, nullptr})
                .is(names::kAimKey)) {
            setProfileKeyCode(model, ref, aim);
            changed = true;
        }
    });
    if (changed) {
        state.aimLevel = level;
        return {pushKeyTables(workspace), false};
    }
    if (workspace.session().readBusy())
        return {device::Result::done(), true};
    if (page == AimPage::User) {
        state.aimLevel = 1;
        workspace.presenter().showMessage({"Str105", "Please select a AIM Key", {}});
    } else {
        workspace.presenter().showMessage(
            {"gm.selectAimKeyInProfiles", "Please select a AIM Key in Profile1 to Profile3!", {}});
    }
    return {device::Result::done(), true};
}

void refreshAimLevel(const image::ImageModel& model, ButtonState& state) {
    const std::uint8_t profile = image::fields::profileOf(model.copies.user[0]);
    if (!image::fields::isProfile(profile))
        return;
    bool found = false;
    for (std::size_t k = 0; k < image::kKeysPerProfile; ++k) {
        const image::KeyCode code = profileKeyCode(model, {profile, k});
        if (code[0] == 0x05 && code[1] != 0xFF) {
            state.aimLevel = std::clamp(code[1] + 1, 1, static_cast<int>(kAimCpiLevels.size()));
            found = true;
        }
    }
    if (!found)
        state.aimLevel = 1;
}

}  // namespace gm::buttons
