#include "buttons/tag_code.h"

#include <array>

#include "buttons/profile_switch.h"

namespace gm::buttons {

namespace {

using image::KeyCode;

constexpr std::array<KeyCode, 7> kMedia{{{0x03, 0x00, 0xCD, 0x00},
                                         {0x03, 0x00, 0xB7, 0x00},
                                         {0x03, 0x00, 0xB6, 0x00},
                                         {0x03, 0x00, 0xB5, 0x00},
                                         {0x03, 0x00, 0xE9, 0x00},
                                         {0x03, 0x00, 0xEA, 0x00},
                                         {0x03, 0x00, 0xE2, 0x00}}};
constexpr std::array<KeyCode, 7> kWeb{{{0x03, 0x02, 0x23, 0x00},
                                       {0x03, 0x02, 0x21, 0x00},
                                       {0x03, 0x02, 0x24, 0x00},
                                       {0x03, 0x02, 0x25, 0x00},
                                       {0x03, 0x02, 0x26, 0x00},
                                       {0x03, 0x02, 0x27, 0x00},
                                       {0x03, 0x02, 0x2A, 0x00}}};
constexpr std::array<KeyCode, 4> kPc{{{0x03, 0x01, 0x94, 0x00},
                                      {0x03, 0x01, 0x92, 0x00},
                                      {0x03, 0x01, 0x8A, 0x00},
                                      {0x02, 0x08, 0x07, 0x00}}};

KeyCode withMask(std::uint8_t b0, std::uint8_t b1, const ButtonState& state,
                 ComboSelector selector) {
    return {b0, b1, 0x00, state.comboMasks[static_cast<std::size_t>(selector)]};
}

std::size_t indexIn(int tag, int first) {
    return static_cast<std::size_t>(tag - first);
}

}  // namespace

std::optional<KeyCode> codeOfTag(int tag, const TagContext& context) {
    const ButtonState& state = context.state;
    switch (tag) {
        case 0:
        case tags::kKeyOff:
            return KeyCode{0x00, 0x00, 0x00, 0x00};
        case tags::kLeft:
            return KeyCode{0x01, 0x01, 0x00, 0x00};
        case tags::kRight:
            return KeyCode{0x01, 0x02, 0x00, 0x00};
        case tags::kMiddle:
            return withMask(0x01, 0x04, state, ComboSelector::Middle);
        case tags::kBack:
            return withMask(0x01, 0x08, state, ComboSelector::Back);
        case tags::kForward:
            return withMask(0x01, 0x10, state, ComboSelector::Forward);
        case tags::kAim:
            return KeyCode{0x05, static_cast<std::uint8_t>(state.aimLevel - 1), 0x00, 0x00};
        case tags::kLedMode:
            return KeyCode{0x0E, 0x00, 0x00, 0x00};
        case tags::kLedSwitch:
            return KeyCode{0x08, 0x00, 0x00, 0x00};
        case tags::kButtonEffect:
            return KeyCode{0x08, 0x01, 0x00, 0x00};
        case tags::kReportRate:
            return KeyCode{0x0C, 0x00, 0x00, 0x00};
        case tags::kFireMacroKey:
            return context.chip == image::ChipType::Chip4230A ? KeyCode{0x10, 0x06, 0xA0, 0xFF}
                                                              : KeyCode{0x10, 0x07, 0x10, 0xFF};
        case tags::kFireMacroOff:
            return KeyCode{0x0B, 0x8F, 0x00, 0x00};
        case tags::kDpiLoop:
            return withMask(0x09, 0x00, state, ComboSelector::DpiLoop);
        case tags::kDpiUp:
            return withMask(0x09, 0x01, state, ComboSelector::DpiUp);
        case tags::kDpiDown:
            return withMask(0x09, 0x02, state, ComboSelector::DpiDown);
        case tags::kProfileLoop:
            return KeyCode{0x07, 0x00, 0x00, 0x00};
        case tags::kAdjustXYFn:
            return KeyCode{0x0A, 0x00, 0x00, 0x00};
        case tags::kAdjustXYSwitch:
            return KeyCode{0x0A, 0x01, 0x00, 0x00};
        default:
            break;
    }
    if (tag >= tags::kMediaFirst && tag <= tags::kMediaLast)
        return kMedia[indexIn(tag, tags::kMediaFirst)];
    if (tag >= tags::kWebFirst && tag <= tags::kWebLast)
        return kWeb[indexIn(tag, tags::kWebFirst)];
    if (tag >= tags::kPcFirst && tag <= tags::kPcLast)
        return kPc[indexIn(tag, tags::kPcFirst)];
    if (tag >= tags::kFireKeyFirst && tag <= tags::kFireKeyLast)
        return fireCodeOf(state.fire[indexIn(tag, tags::kFireKeyFirst)]);
    if (tag >= tags::kAcpiFirst && tag <= tags::kAcpiLast)
        return KeyCode{0x04, static_cast<std::uint8_t>(tag - tags::kAcpiFirst + 1), 0x00, 0x00};
    if (tag >= tags::kProfileFirst && tag <= tags::kProfileLast) {
        const std::size_t profile = indexIn(tag, tags::kProfileFirst);
        return context.origin == MenuOrigin::EngineeringCombo ? optionProfileSwitch(profile, state)
                                                              : plainProfileSwitch(profile);
    }
    return std::nullopt;
}

}  // namespace gm::buttons
