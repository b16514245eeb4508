#include "buttons/key_name.h"

#include <array>

#include "buttons/chord_name.h"
#include "image/profile_switch_code.h"

namespace gm::buttons {

namespace {

using image::KeyCode;

struct FixedName {
    KeyCode code;
    std::string_view id;
};

KeyName tableName(std::string_view id) {
    return {std::string(id), {}};
}

std::optional<std::string_view> fixedName(const KeyCode& code, std::span<const FixedName> table) {
    for (const FixedName& fixed : table) {
        if (fixed.code == code)
            return fixed.id;
    }
    return std::nullopt;
}

constexpr std::array<FixedName, 3> kPlainButtons{{
    {{0x00, 0x00, 0x00, 0x00}, names::kKeyOff},
    {{0x01, 0x01, 0x00, 0x00}, names::kLeftClick},
    {{0x01, 0x02, 0x00, 0x00}, names::kRightClick},
}};

constexpr std::array<FixedName, 7> kSwitches{{
    {{0x0E, 0x00, 0x00, 0x00}, "Str261"},  // LED Mode
    {{0x08, 0x00, 0x00, 0x00}, "Str262"},  // LED Switch
    {{0x08, 0x01, 0x00, 0x00}, "Str263"},  // Button Effect Switch
    {{0x0C, 0x00, 0x00, 0x00}, "Str264"},  // Report Rate
    {{0x10, 0x07, 0x10, 0xFF}, names::kFireMacroKey},
    {{0x10, 0x70, 0x00, 0xFF}, names::kFireMacroKey},
    {{0x10, 0x06, 0xA0, 0xFF}, names::kFireMacroKey},
}};

constexpr std::array<FixedName, 3> kSystem{{
    {{0x04, 0x01, 0x00, 0x00}, "Str241"},
    {{0x04, 0x02, 0x00, 0x00}, "Str242"},
    {{0x04, 0x03, 0x00, 0x00}, "Str243"},
}};

constexpr std::array<FixedName, 18> kMediaAndWeb{{
    {{0x03, 0x00, 0xCD, 0x00}, "Str270"},
    {{0x03, 0x00, 0xB7, 0x00}, "Str271"},
    {{0x03, 0x00, 0xB6, 0x00}, "Str272"},
    {{0x03, 0x00, 0xB5, 0x00}, "Str273"},
    {{0x03, 0x00, 0xE9, 0x00}, "Str274"},
    {{0x03, 0x00, 0xEA, 0x00}, "Str275"},
    {{0x03, 0x00, 0xE2, 0x00}, "Str276"},
    {{0x03, 0x02, 0x23, 0x00}, "Str280"},
    {{0x03, 0x02, 0x21, 0x00}, "Str281"},
    {{0x03, 0x02, 0x24, 0x00}, "Str282"},
    {{0x03, 0x02, 0x25, 0x00}, "Str283"},
    {{0x03, 0x02, 0x26, 0x00}, "Str284"},
    {{0x03, 0x02, 0x27, 0x00}, "Str285"},
    {{0x03, 0x02, 0x2A, 0x00}, "Str286"},
    {{0x03, 0x01, 0x94, 0x00}, "Str290"},
    {{0x03, 0x01, 0x92, 0x00}, "Str291"},
    {{0x03, 0x01, 0x8A, 0x00}, "Str292"},
    {{0x02, 0x08, 0x07, 0x00}, "Str293"},
}};

constexpr std::array<FixedName, 3> kOthers{{
    {{0x0A, 0x00, 0x00, 0x00}, "Str268"},
    {{0x0A, 0x01, 0x00, 0x00}, "Str269"},
    {{0x0B, 0x8F, 0x00, 0x00}, "Str266"},
}};

// Fire-macro presets by b1 and b2: the keep-left bit 0x10 of b1 does not change the preset.
std::optional<std::string> presetName(const KeyCode& code) {
    const int first = code[1] & ~0x10;
    const int records = code[2];
    const struct {
        int first;
        int minRecords;
        int maxRecords;
    } presets[] = {{0, 1, 1}, {1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}, {5, 1, 2}, {7, 1, 3}};
    for (std::size_t p = 0; p < std::size(presets); ++p) {
        if ((code[1] & 0xE0) == 0 && presets[p].first == first &&
            records >= presets[p].minRecords && records <= presets[p].maxRecords) {
            return "Str" + std::to_string(600 + p);
        }
    }
    return std::nullopt;
}

KeyName fireMacroName(const KeyCode& code, const MacroCatalogue* macros) {
    const std::vector<MacroEntry> fireMacros =
        macros ? macros->fireMacros() : std::vector<MacroEntry>{};
    if (!fireMacros.empty()) {
        for (const MacroEntry& entry : fireMacros) {
            const KeyCode& stored = entry.code;
            if (stored[0] == code[0] && stored[1] == code[1] && stored[2] == code[2])
                return {{}, entry.name};
        }
        return {};
    }
    if (const auto preset = presetName(code))
        return tableName(*preset);
    return {};
}

KeyName macroName(const KeyCode& code, const MacroCatalogue* macros) {
    if (!macros)
        return {};
    for (const MacroEntry& macro : macros->deviceMacros()) {
        if (macro.code[1] == code[1] && macro.code[2] == code[2])
            return {{}, macro.name};
    }
    return {};
}

}  // namespace

std::string names::fireKeyId(std::size_t set) {
    return "Str" + std::to_string(231 + set);
}

KeyName nameOf(const KeyCode& code, const NamingContext& context) {
    const std::uint8_t cls = code[0];
    if (const auto id = fixedName(code, kPlainButtons))
        return tableName(*id);
    if (cls == 0x01) {
        switch (code[1]) {
            case 0x04:
                return tableName(names::kMiddleClick);
            case 0x08:
                return tableName(names::kBackward);
            case 0x10:
                return tableName(names::kForward);
            default:
                break;
        }
    }
    if (cls == 0x05)
        return tableName(names::kAimKey);
    if (const auto id = fixedName(code, kSwitches))
        return tableName(*id);
    if (cls == 0x09 && code[1] <= 0x02) {
        constexpr std::array<std::string_view, 3> dpi{names::kDpiLoop, names::kDpiUp,
                                                      names::kDpiDown};
        return tableName(dpi[code[1]]);
    }
    if (cls == 0x06) {
        if (const auto set = matchingFireSet(code, context.fire))
            return tableName(names::fireKeyId(*set));
        return {};
    }
    if (const auto id = fixedName(code, kSystem))
        return tableName(*id);
    if (cls == 0x07) {
        if (code[1] == 0x00)
            return tableName(names::kProfileLoop);
        constexpr std::array<std::string_view, 3> modes{names::kOfficeMode, names::kGameMode,
                                                        names::kThirdMode};
        if (const auto target = image::profileSwitchTarget(code))
            return tableName(modes[static_cast<std::size_t>(*target)]);
    }
    if (const auto id = fixedName(code, kMediaAndWeb))
        return tableName(*id);
    if (const auto id = fixedName(code, kOthers))
        return tableName(*id);
    switch (cls) {
        case 0x02: {
            std::string chord = chordNameOf(code);
            if (chord.empty())
                return tableName(names::kUserDefined);
            return {{}, std::move(chord)};
        }
        case 0x0B:
            return fireMacroName(code, context.macros);
        case 0x10:
            return macroName(code, context.macros);
        default:
            return {};
    }
}

bool isFireMacroName(const KeyName& name) {
    if (name.text.starts_with("Fire Macro"))
        return true;
    return name.id >= "Str600" && name.id <= "Str606" && name.id.size() == 6;
}

}  // namespace gm::buttons
