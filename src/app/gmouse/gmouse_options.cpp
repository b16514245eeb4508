#include "app/gmouse/gmouse_options.h"

#include <charconv>

#include "host/device_choice/sim_options.h"
#include "image/echoed_text.h"

namespace gm::app {

namespace {

constexpr const char* kUsageLines =
    "usage: gmouse [--simulate[=4210A|4230A]] [--sim-eeprom FILE] [--sim-fault KIND]...\n"
    "              [--macro-folder DIR]\n"
    "              [--screenshot FILE [--page 1..8] [--lang 1..3] [--tab NAME]\n"
    "                                  [--key-menu 1..12] [--macro-popup 1|2]\n"
    "                                  [--macro-editor 1..3] [--chord-dialog 1..12]\n"
    "                                  [--gun-preset 1..7]]\n"
    "Without --simulate the editor uses the attached mouse when it may be opened, else the\n"
    "virtual mouse. --screenshot renders the window without a display once the image is read,\n"
    "saves it as PNG and exits; --tab shows that tab sheet of the engineering page (ts_Led),\n"
    "--macro-popup the popup of the PC macro list (1) or the mouse's (2) on the macro page,\n"
    "--macro-editor the first PC macro being recorded (1), with the insert panel open (2) or\n"
    "its events' popup open (3), --chord-dialog the chord dialog of that key label with a chord\n"
    "in it.\n"
    "--gun-preset the gun-preset page on that preset, opened from key 1's Fire Macro entry.\n"
    "  --macro-folder DIR        keeps the macro file RDXM4210A-Macro.bin in DIR instead of the\n"
    "                            program's folder (or, when that may not be written,\n"
    "                            $XDG_DATA_HOME/gmouse)\n"
    "  --sim-eeprom FILE         the virtual mouse's EEPROM: loaded from FILE when it exists,\n"
    "                            saved back on exit\n";

}  // namespace

const std::string kGmouseUsage = std::string(kUsageLines) + host::kSimFaultHelp;

namespace {

std::optional<int> numberIn(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<GmouseOptions> parseGmouseOptions(const ctl::Args& args, std::string& error) {
    using ctl::OptionValue;
    const ctl::OptionList known{{{"--simulate"}, OptionValue::Optional},
                                {{"--sim-eeprom"}, OptionValue::Required},
                                {{"--sim-fault"}, OptionValue::Required, true},
                                {{"--screenshot"}, OptionValue::Required},
                                {{"--page"}, OptionValue::Required},
                                {{"--lang"}, OptionValue::Required},
                                {{"--tab"}, OptionValue::Required},
                                {{"--key-menu"}, OptionValue::Required},
                                {{"--macro-popup"}, OptionValue::Required},
                                {{"--macro-editor"}, OptionValue::Required},
                                {{"--chord-dialog"}, OptionValue::Required},
                                {{"--gun-preset"}, OptionValue::Required},
                                {{"--macro-folder"}, OptionValue::Required},
                                {{"--help", "-h"}, OptionValue::None}};
    const auto parsed = ctl::parseArgs(args, known, error);
    if (!parsed)
        return std::nullopt;
    if (!parsed->positional.empty()) {
        error = "unexpected argument '" + image::echoed(parsed->positional.front()) + "'";
        return std::nullopt;
    }
    GmouseOptions options;
    if (parsed->has("--help")) {
        options.help = true;
        return options;
    }
    auto device = host::deviceChoiceOf(
        {parsed->value("--simulate"), parsed->value("--sim-eeprom"), parsed->values("--sim-fault")},
        error);
    if (!device)
        return std::nullopt;
    options.device = std::move(*device);
    options.screenshot = parsed->value("--screenshot").value_or("");
    if (options.screenshot.empty() &&
        (parsed->has("--page") || parsed->has("--lang") || parsed->has("--tab") ||
         parsed->has("--key-menu") || parsed->has("--macro-popup") ||
         parsed->has("--macro-editor") || parsed->has("--chord-dialog") ||
         parsed->has("--gun-preset"))) {
        error =
            "--page, --lang, --tab, --key-menu, --macro-popup, --macro-editor, --chord-dialog and "
            "--gun-preset go with --screenshot";
        return std::nullopt;
    }
    for (auto [name, target, high] :
         {std::tuple{"--page", &options.page, 8}, std::tuple{"--lang", &options.language, 3},
          std::tuple{"--key-menu", &options.keyMenu, 12},
          std::tuple{"--macro-popup", &options.macroPopup, 2},
          std::tuple{"--macro-editor", &options.macroEditor, 3},
          std::tuple{"--chord-dialog", &options.chordDialog, 12},
          std::tuple{"--gun-preset", &options.gunPreset, 7}}) {
        if (const auto text = parsed->value(name)) {
            const auto number = numberIn(*text, 1, high);
            if (!number) {
                error = std::string(name) + " takes a number from 1 to " + std::to_string(high);
                return std::nullopt;
            }
            *target = *number;
        }
    }
    options.tab = parsed->value("--tab").value_or("");
    options.macroFolder = parsed->value("--macro-folder").value_or("");
    return options;
}

}  // namespace gm::app
