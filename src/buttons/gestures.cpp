#include "buttons/gestures.h"

#include <array>

#include "buttons/combo_masks.h"
#include "buttons/key_name.h"
#include "buttons/key_push.h"
#include "buttons/key_tables.h"
#include "device/session/image_writes.h"

namespace gm::buttons {

namespace {

using image::KeyCode;

constexpr std::size_t kComboKey2 = 1;
constexpr std::size_t kComboKey4 = 3;
constexpr std::size_t kGameProfile = 1;  // profile 2, "Game Mode"
constexpr KeyCode kNoFunction{0x00, 0x00, 0x00, 0x00};
constexpr KeyCode kLedModeCode{0x0E, 0x00, 0x00, 0x00};

// The buttons that carry a combo mask, in selector order, with their code's b0 and b1.
struct MaskedButton {
    std::string_view nameId;
    std::uint8_t b0;
    std::uint8_t b1;
};
constexpr std::array<MaskedButton, 6> kMaskedButtons{{
    {names::kMiddleClick, 0x01, 0x04},
    {names::kBackward, 0x01, 0x08},
    {names::kForward, 0x01, 0x10},
    {names::kDpiLoop, 0x09, 0x00},
    {names::kDpiUp, 0x09, 0x01},
    {names::kDpiDown, 0x09, 0x02},
}};

// The button each game-mode item places its mask on (items 1..6), by kMaskedButtons index.
constexpr std::array<std::size_t, 7> kGestureButton{99, 0, 3, 4, 5, 1, 2};

// Profile 2 with return-to-zero and change-colour, no colour, the offset's low byte.
KeyCode gameModeSwitch(const ButtonState& state) {
    return {0x07, 0xD1, 0xF0, static_cast<std::uint8_t>(state.offset & 0xFF)};
}

// Sets b3 of every key named as one of the masked buttons to maskOf(index) when it gives one,
// and of every fire-macro key (of `fireProfile` only, when given) to fireMask when given.
template <typename MaskOf>
void placeMasks(image::ImageModel& model, const ButtonState& state, const MacroCatalogue* macros,
                MaskOf maskOf, std::optional<std::uint8_t> fireMask,
                std::optional<std::size_t> fireProfile = std::nullopt) {
    forEachProfileKey([&](KeyRef ref) {
        const KeyCode code = profileKeyCode(model, ref);
        const KeyName name = nameOf(code, {state.rememberedFire, macros});
        for (std::size_t b = 0; b < kMaskedButtons.size(); ++b) {
            const auto mask = maskOf(b);
            if (mask && name.is(kMaskedButtons[b].nameId)) {
                setProfileKeyCode(model, ref,
                                  {kMaskedButtons[b].b0, kMaskedButtons[b].b1, 0x00, *mask});
            }
        }
        if (fireMask && isFireMacroName(name) && (!fireProfile || ref.profile == *fireProfile))
            setProfileKeyCode(model, ref, {code[0], code[1], code[2], *fireMask});
    });
}

device::Result writeVendorAndPush(device::Workspace& workspace) {
    if (!device::session::maySend(workspace))
        return device::Result::done();
    const device::session::DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    auto batch = workspace.changes().batch();
    if (device::Result written =
            device::session::writeArea(workspace, image::kVendor, device::Step::WriteVendor);
        !written)
        return written;
    return pushKeyTables(workspace).after({device::Step::WriteVendor});
}

bool profileHas(const image::ImageModel& model, const ButtonState& state, std::size_t profile,
                const MacroCatalogue* macros, bool (*wanted)(const KeyName&, std::string_view),
                std::string_view id) {
    for (std::size_t k = 0; k < image::kKeysPerProfile; ++k) {
        if (wanted(nameOf(profileKeyCode(model, {profile, k}), {state.rememberedFire, macros}),
                   id)) {
            return true;
        }
    }
    return false;
}

bool hasId(const KeyName& name, std::string_view id) {
    return name.is(id);
}
bool isFireMacro(const KeyName& name, std::string_view) {
    return isFireMacroName(name);
}

}  // namespace

std::uint8_t gestureMask(int item) {
    if (item >= 1 && item <= 4)
        return 0x08;
    if (item == 5 || item == 6)
        return 0x02;
    return 0x00;
}

device::Result applyGameGesture(device::Workspace& workspace, ButtonState& state, int item,
                                const MacroCatalogue* macros) {
    if (item < 0 || item >= kGestureItemCount)
        item = 0;
    state.gestureItem = item;
    image::ImageModel& model = workspace.model();
    const bool hold = item >= 1 && item <= 4;
    const bool chord = item == 5 || item == 6;
    // A right chord takes Combo Key2 and the back button's mask from the light-mode gesture;
    // "none" and the hold items, which live in Combo Key4, leave the light-mode gesture as it is.
    if (chord)
        state.lightModeGesture = false;
    const bool keepsLightGesture = state.lightModeGesture;
    if (!keepsLightGesture)
        setComboKeyCode(model, kComboKey2, chord ? gameModeSwitch(state) : kNoFunction);
    setComboKeyCode(model, kComboKey4, hold ? gameModeSwitch(state) : kNoFunction);

    const std::uint8_t mask = gestureMask(item);
    placeMasks(
        model, state, macros,
        [&](std::size_t b) -> std::optional<std::uint8_t> {
            if (keepsLightGesture && kMaskedButtons[b].nameId == names::kBackward)
                return std::nullopt;
            return item != 0 && kGestureButton[static_cast<std::size_t>(item)] == b ? mask : 0;
        },
        state.gunFireMode ? mask : std::uint8_t{0});
    return writeVendorAndPush(workspace);
}

device::Result applyLightGesture(device::Workspace& workspace, ButtonState& state, bool on) {
    // Turning it on displaces a right-chord game-mode gesture, which shares Combo Key2: that
    // gesture's masks go with it.
    const int displaced =
        on && (state.gestureItem == 5 || state.gestureItem == 6) ? state.gestureItem : 0;
    state.lightModeGesture = on;
    if (displaced != 0)
        state.gestureItem = 0;
    image::ImageModel& model = workspace.model();
    setComboKeyCode(model, kComboKey2, on ? kLedModeCode : kNoFunction);
    placeMasks(
        model, state, nullptr,
        [&](std::size_t b) -> std::optional<std::uint8_t> {
            if (kMaskedButtons[b].nameId == names::kBackward)
                return on ? 0x02 : 0x00;
            if (displaced != 0 && kGestureButton[static_cast<std::size_t>(displaced)] == b)
                return 0x00;
            return std::nullopt;
        },
        displaced != 0 && state.gunFireMode ? std::optional<std::uint8_t>(0) : std::nullopt);
    return writeVendorAndPush(workspace);
}

device::Result applyGunFireMode(device::Workspace& workspace, ButtonState& state, bool on,
                                const MacroCatalogue* macros) {
    state.gunFireMode = on;
    const std::uint8_t mask = on ? gestureMask(state.gestureItem) : 0;
    placeMasks(
        workspace.model(), state, macros,
        [](std::size_t) -> std::optional<std::uint8_t> { return std::nullopt; }, mask,
        kGameProfile);
    return writeVendorAndPush(workspace);
}

device::Result applyComboMask(device::Workspace& workspace, ButtonState& state,
                              ComboSelector selector, std::uint8_t mask,
                              const MacroCatalogue* macros) {
    if (!isComboMaskChoice(mask))
        return device::Result::fail(device::Failure::InvalidRequest);
    state.comboMasks[static_cast<std::size_t>(selector)] = mask;
    placeMasks(
        workspace.model(), state, macros,
        [&](std::size_t b) -> std::optional<std::uint8_t> { return state.comboMasks[b]; },
        state.comboMasks[static_cast<std::size_t>(ComboSelector::FireMacro)]);
    return pushKeyTables(workspace);
}

std::optional<device::Result> toggleGesture(device::Workspace& workspace, ButtonState& state,
                                            int toggle, const MacroCatalogue* macros) {
    const image::ImageModel& model = workspace.model();
    const std::size_t profile = static_cast<std::size_t>(state.userPageProfile);
    if (toggle == 8) {
        if (profile != kGameProfile ||
            !profileHas(model, state, kGameProfile, macros, isFireMacro, {}))
            return std::nullopt;
        return applyGunFireMode(workspace, state, !state.gunFireMode, macros);
    }
    constexpr std::array<std::string_view, 8> needs{{{},
                                                     names::kBackward,
                                                     names::kMiddleClick,
                                                     names::kDpiLoop,
                                                     names::kDpiUp,
                                                     names::kDpiDown,
                                                     names::kBackward,
                                                     names::kForward}};
    if (toggle < 1 || toggle > 7 ||
        !profileHas(model, state, profile, macros, hasId,
                    needs[static_cast<std::size_t>(toggle)])) {
        return std::nullopt;
    }
    if (toggle == 1)
        return applyLightGesture(workspace, state, !state.lightModeGesture);
    const int item = toggle - 1;
    return applyGameGesture(workspace, state, state.gestureItem == item ? 0 : item, macros);
}

void refreshGestures(const image::ImageModel& model, ButtonState& state,
                     const MacroCatalogue* macros) {
    const NamingContext context{state.rememberedFire, macros};
    auto carriesGameMode = [&](std::size_t slot) {
        return nameOf(comboKeyCode(model, slot), context).is(names::kGameMode);
    };
    const bool key2 = carriesGameMode(kComboKey2);
    const bool key4 = carriesGameMode(kComboKey4);
    constexpr std::array<int, 6> itemOf{1, 5, 6, 2, 3, 4};  // by kMaskedButtons index
    state.gestureItem = 0;
    // The light-mode gesture also needs a back button that runs Combo Key2 (mask 0x02).
    bool backRunsComboKey2 = false;
    forEachProfileKey([&](KeyRef ref) {
        const KeyCode code = profileKeyCode(model, ref);
        const KeyName name = nameOf(code, context);
        if (code[3] == 0x02 && name.is(names::kBackward))
            backRunsComboKey2 = true;
        for (std::size_t b = 0; b < kMaskedButtons.size(); ++b) {
            if (!name.is(kMaskedButtons[b].nameId))
                continue;
            const int item = itemOf[b];
            if (code[3] == gestureMask(item) && (gestureMask(item) == 0x08 ? key4 : key2))
                state.gestureItem = item;
        }
        if (isFireMacroName(name)) {
            if (code[3] != 0 && (key2 || key4))
                state.gunFireMode = true;
            else if (code[3] == 0 || (ref.profile == 0 && !key2 && !key4))
                state.gunFireMode = false;
        }
    });
    state.lightModeGesture =
        backRunsComboKey2 && nameOf(comboKeyCode(model, kComboKey2), context).is(names::kLedMode);
}

}  // namespace gm::buttons
