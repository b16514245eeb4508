#include "buttons/assignment.h"

#include "buttons/key_name.h"
#include "buttons/key_push.h"
#include "device/session/image_writes.h"

namespace gm::buttons {

namespace {

inline constexpr std::size_t kButtonEffectAddress = image::kUser.offset + 3;

bool keepsALeftClick(const image::ImageModel& model, const ButtonState& state, KeyRef changed,
                     const image::KeyCode& code) {
    for (std::size_t k = 0; k < image::kKeysPerProfile; ++k) {
        const KeyRef ref{changed.profile, k};
        const image::KeyCode shown = ref == changed ? code : profileKeyCode(model, ref);
        if (nameOf(shown, {state.rememberedFire, nullptr}).is(names::kLeftClick))
            return true;
    }
    return false;
}

}  // namespace

Assignment assignUserKey(device::Workspace& workspace, const ButtonState& state, KeyRef key,
                         const image::KeyCode& code) {
    if (key.profile == 0 && !keepsALeftClick(workspace.model(), state, key, code))
        return {device::Result::done(), true};
    return {assignEngineeringKey(workspace, key, code), false};
}

bool isLastLeftClick(const image::ImageModel& model, const ButtonState& state, KeyRef key) {
    return key.profile == 0 &&
           nameOf(profileKeyCode(model, key), {state.rememberedFire, nullptr})
               .is(names::kLeftClick) &&
           !keepsALeftClick(model, state, key, image::KeyCode{});
}

device::Result assignEngineeringKey(device::Workspace& workspace, KeyRef key,
                                    const image::KeyCode& code) {
    setProfileKeyCode(workspace.model(), key, code);
    return pushKeyTables(workspace);
}

device::Result assignComboKey(device::Workspace& workspace, std::size_t slot,
                              const image::KeyCode& code) {
    image::ImageModel& model = workspace.model();
    setComboKeyCode(model, slot, code);
    // Stored with target-0 live writes: the four-byte target-1 write is the key status test,
    // which the mouse does not keep in its EEPROM.
    return device::session::writeLive(workspace, comboKeyAddress(slot), code.size());
}

device::Result setButtonEffect(device::Workspace& workspace, ButtonState& state, int item) {
    state.buttonEffect = item == 0 ? 0 : 1;
    device::session::workingByte(workspace.model(), kButtonEffectAddress) =
        static_cast<std::uint8_t>(state.buttonEffect);
    return device::session::writeLive(workspace, kButtonEffectAddress, 1);
}

}  // namespace gm::buttons
