// gmousectl's button commands: the key tables with their names, assigning functions to profile
// and combo keys, fire-key sets, the AIM level and the gestures.

#include <array>
#include <charconv>
#include <optional>
#include <ostream>
#include <string>

#include "app/ctl/button_names.h"
#include "app/ctl/cli_values.h"
#include "app/ctl/command.h"
#include "app/ctl/device_context.h"
#include "buttons/aim_key.h"
#include "buttons/assignment.h"
#include "buttons/fire_key_set.h"
#include "buttons/fire_keys.h"
#include "buttons/gestures.h"
#include "buttons/key_name.h"
#include "buttons/key_tables.h"
#include "buttons/refresh.h"
#include "image/echoed_text.h"
#include "macros/device_macro_catalogue.h"

namespace gm::ctl {
namespace {

namespace b = gm::buttons;

const ui::text::TextTable& texts() {
    static const ui::text::TextTable table = ui::text::TextTable::builtIn();
    return table;
}

// The name of a code; macro codes by the name of the device macro they run.
std::string nameOfCode(const image::KeyCode& code, const b::ButtonState& state,
                       const image::ImageModel& model) {
    const macros::DeviceMacroCatalogue catalogue(model);
    return englishName(b::nameOf(code, {state.rememberedFire, &catalogue}), texts());
}

// The code of the device macro named `name`, as the key menu's "Base Macro" entries give it.
std::optional<image::KeyCode> deviceMacroCode(const std::string& name,
                                              const image::ImageModel& model) {
    for (const b::MacroEntry& entry : macros::DeviceMacroCatalogue(model).deviceMacros()) {
        if (entry.name == name)
            return entry.code;
    }
    return std::nullopt;
}

// Runs `body` on the workspace with the button controls filled from the image just read.
template <typename Body>
int runOnButtons(const ParsedArgs& args, std::ostream& out, std::ostream& err, Body body) {
    return runDeviceCommand(args, out, err, Connect::ReadImage,
                            [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                b::ButtonState state;
                                const image::ImageModel& model = context.workspace().model();
                                const macros::DeviceMacroCatalogue catalogue(model);
                                b::refreshButtonState(model, state, &catalogue);
                                return body(context, state, o, e);
                            });
}

void printTables(const image::ImageModel& model, const b::ButtonState& state, std::ostream& out) {
    for (std::size_t p = 0; p < image::kProfileCount; ++p) {
        out << "profile " << p + 1 << "\n";
        for (std::size_t k = 0; k < image::kKeysPerProfile; ++k) {
            const image::KeyCode code = b::profileKeyCode(model, {p, k});
            out << "  Key" << k + 1 << (k < 9 ? "   " : "  ") << image::codeTextOf(code) << "  "
                << nameOfCode(code, state, model) << "\n";
        }
    }
    out << "combo keys\n";
    for (std::size_t slot = 0; slot < image::kComboKeyCount; ++slot) {
        const image::KeyCode code = b::comboKeyCode(model, slot);
        out << "  Combo Key" << slot + 1 << "  " << image::codeTextOf(code) << "  "
            << nameOfCode(code, state, model) << "\n";
    }
}

int runButton(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.has("--list")) {
        if (!args.positional.empty())
            return usageError(err, "--list takes no arguments");
        for (const std::string& name : acceptedFunctionNames(texts()))
            out << name << "\n";
        return kExitOk;
    }
    if (const auto text = args.value("--effect")) {
        const auto item = args.positional.empty() ? wholeNumber(*text, 0, 1) : std::nullopt;
        if (!item)
            return usageError(err, "--effect takes 0 (off) or 1 (on) and no other arguments");
        return runOnButtons(
            args, out, err,
            [&](DeviceContext& context, b::ButtonState& state, std::ostream& o, std::ostream& e) {
                if (const int status =
                        report(b::setButtonEffect(context.workspace(), state, *item), e);
                    status != kExitOk) {
                    return status;
                }
                o << "button effect " << (*item == 1 ? "on" : "off") << "\n";
                return kExitOk;
            });
    }
    if (args.positional.empty()) {
        return runOnButtons(
            args, out, err,
            [](DeviceContext& context, b::ButtonState& state, std::ostream& o, std::ostream&) {
                printTables(context.workspace().model(), state, o);
                return kExitOk;
            });
    }
    if (args.positional.size() != 3)
        return usageError(err, "expected PROFILE KEY FUNCTION");
    const auto profile = wholeNumber(args.positional[0], 1, 3);
    const auto key = wholeNumber(args.positional[1], 1, 12);
    if (!profile)
        return usageError(err, "PROFILE must be 1, 2 or 3");
    if (!key)
        return usageError(err, "KEY must be 1..12");
    const std::string function = args.positional[2];
    // Menu names are checked before the mouse is reached; a device macro's name only after its
    // image was read. Codes that read controls are built after.
    const bool menuName =
        functionCode(function, {}, image::ChipType::Chip4210A, b::MenuOrigin::UserPage, texts())
            .has_value();
    const b::KeyRef ref{static_cast<std::size_t>(*profile - 1), static_cast<std::size_t>(*key - 1)};
    return runOnButtons(
        args, out, err,
        [&](DeviceContext& context, b::ButtonState& state, std::ostream& o, std::ostream& e) {
            const image::ImageModel& model = context.workspace().model();
            const std::optional<image::KeyCode> code =
                menuName ? functionCode(function, state, context.chip(), b::MenuOrigin::UserPage,
                                        texts())
                         : deviceMacroCode(function, model);
            if (!code) {
                return usageError(e, "unknown function '" + image::echoed(function) +
                                         "' (see button --list, or a macro of 'macro list')");
            }
            const b::Assignment assigned = b::assignUserKey(context.workspace(), state, ref, *code);
            if (assigned.refused) {
                e << "gmousectl: refused: profile 1 keeps at least one Left Click button\n";
                return kExitFailure;
            }
            if (const int status = report(assigned.pushed, e); status != kExitOk)
                return status;
            o << "profile " << *profile << " Key" << *key << " = "
              << image::codeTextOf(b::profileKeyCode(model, ref)) << "  "
              << nameOfCode(*code, state, model) << "\n";
            return kExitOk;
        });
}

std::optional<bool> onOff(const std::string& text) {
    if (text == "on")
        return true;
    if (text == "off")
        return false;
    return std::nullopt;
}

int runFireKey(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected N (1, 2 or 3)");
    const auto set = wholeNumber(args.positional[0], 1, 3);
    if (!set)
        return usageError(err, "N must be 1, 2 or 3");
    std::optional<int> repeat;
    std::optional<int> interval;
    std::optional<bool> continueOn;
    if (const auto text = args.value("--repeat");
        text && !(repeat = wholeNumber(*text, b::kMinUserRepeat, b::kMaxRepeat)))
        return usageError(err, "--repeat must be 2..15");
    if (const auto text = args.value("--interval");
        text && !(interval = wholeNumber(*text, b::kMinInterval, b::kMaxInterval))) {
        return usageError(err, "--interval must be 1..4094");
    }
    if (const auto text = args.value("--continue"); text && !(continueOn = onOff(*text)))
        return usageError(err, "--continue must be on or off");
    const auto n = static_cast<std::size_t>(*set - 1);
    return runOnButtons(
        args, out, err,
        [&](DeviceContext& context, b::ButtonState& state, std::ostream& o, std::ostream& e) {
            b::FireKeySet& edited = state.fire[n];
            edited.repeat = repeat.value_or(edited.repeat);
            edited.interval = interval.value_or(edited.interval);
            edited.continueOn = continueOn.value_or(edited.continueOn);
            if (const int status = report(b::applyFireKeys(context.workspace(), state), e);
                status != kExitOk) {
                return status;
            }
            o << "fire key " << *set << ": repeat " << edited.repeat << ", interval "
              << edited.interval << ", continue " << (edited.continueOn ? "on" : "off") << "\n";
            return kExitOk;
        });
}

int runAim(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected CPI");
    const auto cpi = wholeNumber(args.positional[0], 0, 100000);
    const auto level = cpi ? b::aimLevelOfCpi(*cpi) : std::nullopt;
    if (!level) {
        return usageError(err,
                          "CPI must be one of 200 400 600 800 1000 1200 1600 2000 2400 "
                          "3200 4800 6400");
    }
    return runOnButtons(
        args, out, err,
        [&](DeviceContext& context, b::ButtonState& state, std::ostream& o, std::ostream& e) {
            const b::AimSpread spread =
                b::spreadAimLevel(context.workspace(), state, *level, b::AimPage::Engineering);
            if (spread.noAimKey)
                return kExitFailure;  // the operation asked the user for an AIM Key
            if (const int status = report(spread.pushed, e); status != kExitOk)
                return status;
            o << "AIM level " << *level << " (" << *cpi << " CPI)\n";
            return kExitOk;
        });
}

int runCombo(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 2)
        return usageError(err, "expected SLOT FUNCTION");
    const auto slot = wholeNumber(args.positional[0], 1, 9);
    if (!slot)
        return usageError(err, "SLOT must be 1..9");
    const std::string function = args.positional[1];
    if (!functionCode(function, {}, image::ChipType::Chip4210A, b::MenuOrigin::EngineeringCombo,
                      texts())) {
        return usageError(err,
                          "unknown function '" + image::echoed(function) + "' (see button --list)");
    }
    return runOnButtons(
        args, out, err,
        [&](DeviceContext& context, b::ButtonState& state, std::ostream& o, std::ostream& e) {
            const image::KeyCode code = *functionCode(function, state, context.chip(),
                                                      b::MenuOrigin::EngineeringCombo, texts());
            const auto index = static_cast<std::size_t>(*slot - 1);
            if (const int status = report(b::assignComboKey(context.workspace(), index, code), e);
                status != kExitOk) {
                return status;
            }
            o << "Combo Key" << *slot << " = " << image::codeTextOf(code) << "  "
              << nameOfCode(code, state, context.workspace().model()) << "\n";
            return kExitOk;
        });
}

// Gesture names: the light-mode gesture, the six game-mode items, the fire-macro option.
constexpr std::array<std::string_view, 8> kGestureNames{
    "light",         "hold-middle", "hold-dpi-loop", "hold-dpi-up",
    "hold-dpi-down", "right-back",  "right-forward", "fire-macros"};

// Each gesture as the window shows it after a read.
void printGestures(const b::ButtonState& state, std::ostream& out) {
    for (std::size_t i = 0; i < kGestureNames.size(); ++i) {
        bool on = state.gestureItem == static_cast<int>(i);
        if (i == 0)
            on = state.lightModeGesture;
        else if (i == kGestureNames.size() - 1)
            on = state.gunFireMode;
        out << kGestureNames[i] << " " << (on ? "on" : "off") << "\n";
    }
}

int runGesture(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.empty()) {
        return runOnButtons(
            args, out, err,
            [](DeviceContext&, b::ButtonState& state, std::ostream& o, std::ostream&) {
                printGestures(state, o);
                return kExitOk;
            });
    }
    if (args.positional.size() != 2)
        return usageError(err, "expected NAME on|off");
    std::size_t which = kGestureNames.size();
    for (std::size_t i = 0; i < kGestureNames.size(); ++i) {
        if (kGestureNames[i] == args.positional[0])
            which = i;
    }
    if (which == kGestureNames.size()) {
        return usageError(err, "unknown gesture '" + image::echoed(args.positional[0]) +
                                   "' (light, hold-middle, hold-dpi-loop, hold-dpi-up, "
                                   "hold-dpi-down, right-back, right-forward, fire-macros)");
    }
    const auto on = onOff(args.positional[1]);
    if (!on)
        return usageError(err, "expected on or off");
    return runOnButtons(
        args, out, err,
        [&](DeviceContext& context, b::ButtonState& state, std::ostream& o, std::ostream& e) {
            device::Workspace& workspace = context.workspace();
            device::Result result;
            const int item = static_cast<int>(which);
            if (which == 0) {
                result = b::applyLightGesture(workspace, state, *on);
            } else if (which == kGestureNames.size() - 1) {
                result = b::applyGunFireMode(workspace, state, *on);
            } else if (*on || state.gestureItem == item) {
                result = b::applyGameGesture(workspace, state, *on ? item : 0);
            }
            if (const int status = report(result, e); status != kExitOk)
                return status;
            o << "gesture " << kGestureNames[which] << " " << (*on ? "on" : "off") << "\n";
            return kExitOk;
        });
}

std::string withDeviceHelp(const std::string& text) {
    return text + "\n\n" + kDeviceOptionsHelp;
}

}  // namespace

void registerButtonCommands(CommandRegistry& registry) {
    registry.add(
        {"button", "[PROFILE KEY FUNCTION | --list | --effect 0|1] [DEVICE OPTIONS]",
         "show the key tables, or give a key a function",
         withDeviceHelp(
             "Without arguments prints the twelve keys of each profile and the nine combo\n"
             "keys with their codes and names. PROFILE KEY FUNCTION gives key KEY (1..12) of\n"
             "PROFILE (1..3) the function FUNCTION, named as in the key menu (\"Left Click\",\n"
             "\"DPI Up\", \"Fire Key1\", \"Volume Up\"), as a chord (\"Ctrl+Shift+A\") or as "
             "eight\n"
             "hex digits, or by the name of a macro stored in the mouse (a \"Base Macro\" of\n"
             "the key menu; macro codes are shown by that name). Profile 1 keeps at least one\n"
             "Left Click. --list prints every name; a name two categories share carries its\n"
             "category: \"Stop (Media)\".\n"
             "--effect 0|1 turns the button effect (User 3) off or on."),
         withDeviceOptions({{{"--list"}}, {{"--effect"}, OptionValue::Required}}), runButton});
    registry.add({"fire-key", "N [--repeat R] [--interval MS] [--continue on|off] [DEVICE OPTIONS]",
                  "change fire key set N and every button that uses it",
                  withDeviceHelp("R is 2..15 clicks, MS 1..4094. Every button holding set N in "
                                 "any profile is\nrewritten with the new values."),
                  withDeviceOptions({{{"--repeat"}, OptionValue::Required},
                                     {{"--interval"}, OptionValue::Required},
                                     {{"--continue"}, OptionValue::Required}}),
                  runFireKey});
    registry.add({"aim", "CPI [DEVICE OPTIONS]", "set the CPI of every AIM key",
                  withDeviceHelp("CPI is one of 200 400 600 800 1000 1200 1600 2000 2400 3200 "
                                 "4800 6400.\nFails when no key of the three profiles is an AIM "
                                 "Key."),
                  withDeviceOptions(), runAim});
    registry.add({"combo", "SLOT FUNCTION [DEVICE OPTIONS]", "give combo key SLOT a function",
                  withDeviceHelp("SLOT is 1..9; FUNCTION as for button. Profile entries take "
                                 "the profile options."),
                  withDeviceOptions(), runCombo});
    registry.add(
        {"gesture", "[NAME on|off] [DEVICE OPTIONS]",
         "show the combo-key gestures, or turn one on or off",
         withDeviceHelp("Without arguments prints each gesture's state as read from the mouse.\n"
                        "NAME: light (right + back steps the LED mode); hold-middle, "
                        "hold-dpi-loop,\nhold-dpi-up, hold-dpi-down, right-back, right-forward "
                        "(the game-mode gesture,\none at a time); fire-macros (fire macro buttons "
                        "take part in it)."),
         withDeviceOptions(), runGesture});
}

}  // namespace gm::ctl
