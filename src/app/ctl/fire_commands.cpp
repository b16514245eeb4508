// gmousectl's fire commands: the ten fire macro records of the mouse and the seven gun presets
// that play them, with their stage fields, and assigning a preset to a button.

#include <optional>
#include <ostream>
#include <string>

#include "app/ctl/button_names.h"
#include "app/ctl/cli_values.h"
#include "app/ctl/command.h"
#include "app/ctl/device_context.h"
#include "app/ctl/lines_file.h"
#include "buttons/gun_presets.h"
#include "image/echoed_text.h"
#include "image/hex_text.h"
#include "image/settings/program_settings.h"
#include "macros/event_lines.h"
#include "macros/fire_confirm.h"
#include "macros/fire_record_write.h"
#include "macros/fire_records.h"
#include "macros/fire_stages.h"

namespace gm::ctl {
namespace {

using macros::StageField;

const ui::text::TextTable& texts() {
    static const ui::text::TextTable table = ui::text::TextTable::builtIn();
    return table;
}

const image::settings::ProgramSettings& settings() {
    return image::settings::builtInProgramSettings();
}

// Vendor 57..86: LED colour r + 1 of record r as RRGGBB.
std::string colourOf(const image::ImageModel& model, std::size_t record) {
    std::string text;
    for (std::size_t i = 0; i < 3; ++i)
        text += image::hexText(model.copies.vendor[57 + 3 * record + i], 2);
    return text;
}

void printRecord(const image::ImageModel& model, std::size_t index, std::ostream& out) {
    const auto record = macros::fireRecord(model, index);
    out << "fire macro " << index + 1 << "  " << macros::fireMacroName(model, index) << "  ";
    if (const std::size_t length = macros::fireRecordLength(record); length != 0)
        out << length << " of " << record.size() << " bytes\n";
    else
        out << "no terminator in its " << record.size() << " bytes\n";
}

int runList(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (!args.positional.empty())
        return usageError(err, "fire list takes no arguments");
    return runDeviceCommand(
        args, out, err, Connect::ReadImage,
        [](DeviceContext& context, std::ostream& o, std::ostream&) {
            const image::ImageModel& model = context.workspace().model();
            for (std::size_t i = 0; i < image::kFireMacroCount; ++i) {
                printRecord(model, i, o);
                for (const auto& event : macros::fireEventsOf(macros::fireRecord(model, i)))
                    o << "  " << macros::describeEvent(event) << "\n";
            }
            return kExitOk;
        });
}

int runShow(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const auto number =
        args.positional.size() == 1 ? wholeNumber(args.positional[0], 1, 10) : std::nullopt;
    if (!number)
        return usageError(err, "expected N, the fire macro 1..10");
    return runDeviceCommand(args, out, err, Connect::ReadImage,
                            [&](DeviceContext& context, std::ostream& o, std::ostream&) {
                                const auto record = macros::fireRecord(context.workspace().model(),
                                                                       std::size_t(*number - 1));
                                for (const auto& event : macros::fireEventsOf(record))
                                    o << macros::describeEvent(event) << "\n";
                                return kExitOk;
                            });
}

int runEdit(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const auto number =
        args.positional.size() == 2 ? wholeNumber(args.positional[0], 1, 10) : std::nullopt;
    if (!number)
        return usageError(err, "expected N FILE, N the fire macro 1..10");
    const std::string file = args.positional[1];
    int status = kExitOk;
    const std::optional<macros::ReadLines> read =
        readEventLinesFile(file, "fire edit", err, status);
    if (!read)
        return status;
    return runDeviceCommand(args, out, err, Connect::ReadImage,
                            [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                const auto index = static_cast<std::size_t>(*number - 1);
                                const macros::FireRecordWrite write = macros::writeFireRecord(
                                    context.workspace(), index, read->events);
                                if (!write.refusal.empty()) {
                                    e << "gmousectl: fire macro " << *number << ": "
                                      << write.refusal << "; nothing was changed\n";
                                    return kExitUsage;
                                }
                                if (const int said = report(write.written, e); said != kExitOk)
                                    return said;
                                printRecord(context.workspace().model(), index, o);
                                return kExitOk;
                            });
}

void printPreset(const image::ImageModel& model, int number, std::ostream& out) {
    const buttons::GunPreset preset = *buttons::gunPreset(number);
    const int stages = buttons::gunPresetStages(number, settings());
    out << "preset " << number << "  " << englishName({std::string(preset.nameId), {}}, texts())
        << "  " << stages << (stages == 1 ? " record" : " records") << "  code "
        << image::codeTextOf(buttons::gunPresetCode(number, stages, false, 0)) << "\n";
    for (int s = 0; s < stages; ++s) {
        const std::size_t record = preset.firstRecord + static_cast<std::size_t>(s);
        const macros::StageValues v = macros::readStage(model, record).values;
        out << "  stage " << s + 1 << "  fire macro " << record + 1 << "  count " << v.count
            << "  x " << v.x << "  y " << v.y << "  delay " << v.delay << " ms  x-offset "
            << v.xOffset << "  y-offset " << v.yOffset << "  color " << colourOf(model, record)
            << "\n";
    }
}

struct FieldOption {
    const char* name;
    StageField field;
    int low;
    int high;
};
constexpr FieldOption kFieldOptions[] = {
    {"--count", StageField::Count, 0, 255},
    {"--x", StageField::X, -128, 127},
    {"--y", StageField::Y, -128, 127},
    {"--delay", StageField::Delay, 0, 65535},
    {"--x-offset", StageField::XOffset, -128, 127},
    {"--y-offset", StageField::YOffset, -128, 127},
};

struct PresetEdit {
    int preset = 1;
    int stage = 1;
    std::vector<std::pair<StageField, int>> fields;
    std::optional<std::string> colour;  // RRGGBB
    bool keepLeft = false;
    buttons::KeyRef key;
};

// The edit the arguments ask for; nullopt with `error` set when they are wrong.
std::optional<PresetEdit> presetEditOf(const ParsedArgs& args, std::string& error) {
    PresetEdit edit;
    const auto assign = args.value("--assign");
    if (!assign || args.positional.size() != 2) {
        error = "expected N --assign PROFILE KEY";
        return std::nullopt;
    }
    const auto preset = wholeNumber(args.positional[0], 1, buttons::kGunPresetCount);
    const auto profile = wholeNumber(*assign, 1, 3);
    const auto key = wholeNumber(args.positional[1], 1, 12);
    if (!preset || !profile || !key) {
        error = "N must be 1..7, PROFILE 1..3 and KEY 1..12";
        return std::nullopt;
    }
    edit.preset = *preset;
    edit.key = {std::size_t(*profile - 1), std::size_t(*key - 1)};
    const int stages = buttons::gunPresetStages(edit.preset, settings());
    if (const auto stage = args.value("--stage")) {
        const auto number = wholeNumber(*stage, 1, stages);
        if (!number) {
            error = "preset " + std::to_string(edit.preset) + " has stages 1.." +
                    std::to_string(stages);
            return std::nullopt;
        }
        edit.stage = *number;
    }
    for (const FieldOption& option : kFieldOptions) {
        if (const auto text = args.value(option.name)) {
            const auto value = wholeNumber(*text, option.low, option.high);
            if (!value) {
                error = std::string(option.name) + " takes " + std::to_string(option.low) + ".." +
                        std::to_string(option.high);
                return std::nullopt;
            }
            edit.fields.emplace_back(option.field, *value);
        }
    }
    if (const auto colour = args.value("--color")) {
        if (colour->size() != 6 ||
            colour->find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            error = "--color takes RRGGBB, six hexadecimal digits";
            return std::nullopt;
        }
        edit.colour = *colour;
    }
    if (const auto keepLeft = args.value("--keep-left")) {
        if (*keepLeft != "on" && *keepLeft != "off") {
            error = "--keep-left takes on or off";
            return std::nullopt;
        }
        edit.keepLeft = *keepLeft == "on";
    }
    return edit;
}

int runPreset(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.empty() && !args.has("--assign")) {
        return runDeviceCommand(args, out, err, Connect::ReadImage,
                                [](DeviceContext& context, std::ostream& o, std::ostream&) {
                                    for (int p = 1; p <= buttons::kGunPresetCount; ++p)
                                        printPreset(context.workspace().model(), p, o);
                                    return kExitOk;
                                });
    }
    std::string error;
    const std::optional<PresetEdit> edit = presetEditOf(args, error);
    if (!edit)
        return usageError(err, error);
    return runDeviceCommand(
        args, out, err, Connect::ReadImage,
        [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
            device::Workspace& workspace = context.workspace();
            image::ImageModel& model = workspace.model();
            const std::size_t record =
                buttons::gunPreset(edit->preset)->firstRecord + std::size_t(edit->stage - 1);
            macros::FireStage stage = macros::readStage(model, record);
            for (const auto& [field, value] : edit->fields) {
                const int kept = macros::setStageField(model, stage, field, value);
                if (kept != value)
                    e << "gmousectl: " << value << " became " << kept
                      << ": X and Y with their offsets stay within -128..127\n";
            }
            if (edit->colour) {
                for (std::size_t i = 0; i < 3; ++i) {
                    model.copies.vendor[57 + 3 * record + i] = static_cast<std::uint8_t>(
                        std::stoi(edit->colour->substr(2 * i, 2), nullptr, 16));
                }
            }
            buttons::ButtonState state;
            const macros::GunConfirmation done = macros::confirmGunPreset(
                workspace, state, settings(), {edit->preset, edit->keepLeft, edit->key});
            if (const int status = report(done.written, e); status != kExitOk)
                return status;
            const std::string key = "profile " + std::to_string(edit->key.profile + 1) + " Key" +
                                    std::to_string(edit->key.key + 1);
            if (done.stored)
                o << key << ": preset " << edit->preset << " (" << image::codeTextOf(done.code)
                  << ")\n";
            else
                o << key << " keeps its function: fire macros play on profile 2 only\n";
            printPreset(model, edit->preset, o);
            return kExitOk;
        });
}

OptionList presetOptions() {
    OptionList own{{{"--stage"}, OptionValue::Required},
                   {{"--color"}, OptionValue::Required},
                   {{"--keep-left"}, OptionValue::Required},
                   {{"--assign"}, OptionValue::Required}};
    for (const FieldOption& option : kFieldOptions)
        own.push_back({{option.name}, OptionValue::Required});
    return withDeviceOptions(own);
}

int runFireAlone(const ParsedArgs&, std::ostream&, std::ostream& err) {
    return usageError(
        err,
        "fire needs a subcommand: list, show, edit, preset (gmousectl fire SUBCOMMAND "
        "--help)");
}

}  // namespace

void registerFireCommands(CommandRegistry& registry) {
    const std::string device = "[DEVICE OPTIONS]";
    registry.add({"fire",
                  "SUBCOMMAND ...",
                  "the fire macros and gun presets in the mouse",
                  "Subcommands: list, show, edit, preset.",
                  {},
                  runFireAlone});
    registry.add({"fire list", device, "list the ten fire macros with their events",
                  "Each record's name, its length (terminator included) of the 24 (4210A) or\n"
                  "32 (4230A) bytes it holds, then its events: \"left down\", \"50 ms\",\n"
                  "\"move 0 3\", \"repeat 5\", \"repeat end\".\n\n" +
                      kDeviceOptionsHelp,
                  withDeviceOptions(), runList});
    registry.add({"fire show", "N " + device, "print fire macro N's events, one a line",
                  "N: 1..10.\n\n" + kDeviceOptionsHelp, withDeviceOptions(), runShow});
    registry.add({"fire edit", "N FILE " + device,
                  "replace fire macro N's events with the lines of FILE and write it",
                  "FILE (\"-\": standard input) holds one event a line, as fire show prints\n"
                  "them: \"left down\", \"left up\", \"left click\", \"50 ms\", \"move 0 3\",\n"
                  "\"repeat 5\" ... \"repeat end\". Only these fire items; refused when a line is\n"
                  "no event, or the events do not fit the record's 24 (4210A) or 32 (4230A)\n"
                  "bytes, terminator included. The record is written to the mouse at once.\n\n" +
                      kDeviceOptionsHelp,
                  withDeviceOptions(), runEdit});
    registry.add(
        {"fire preset",
         "[N [--stage S] [--count C] [--x X] [--y Y] [--delay MS] [--x-offset DX]\n"
         "    [--y-offset DY] [--color RRGGBB] [--keep-left on|off] --assign PROFILE KEY] " +
             device,
         "list the gun presets, or change one and assign it to a key",
         "Without N: the seven presets, each stage with its fire macro, count, X, Y, delay,\n"
         "offsets and colour. With N: the stage S (default 1) gets the fields given (X and Y\n"
         "with their offsets stay within -128..127), then the preset is assigned to KEY: on\n"
         "profile 2 the key gets its code, on profiles 1 and 3 it keeps its function (fire\n"
         "macros play on profile 2); the colours, the User section, the key tables, the fire\n"
         "keys and the fire macros are written, and the mouse takes the new key tables.\n\n" +
             kDeviceOptionsHelp,
         presetOptions(), runPreset});
}

}  // namespace gm::ctl
