// gmousectl's settings commands: CPI levels, report rate, lighting, profile, USB identity,
// sensor registers and the option map, with values as users think of them.

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "app/ctl/backup_folder.h"
#include "app/ctl/cli_values.h"
#include "app/ctl/command.h"
#include "app/ctl/device_context.h"
#include "image/echoed_text.h"
#include "settings/cpi_levels.h"
#include "settings/device_options.h"
#include "settings/display.h"
#include "settings/led_lighting.h"
#include "settings/profile_colours.h"
#include "settings/report_rate.h"
#include "settings/sensor_registers.h"
#include "settings/usb_identity.h"

namespace gm::ctl {
namespace {

namespace st = gm::settings;
using Show = std::function<void(const image::ImageModel&, std::ostream&)>;
using Change = std::function<device::Result(device::Workspace&)>;

// A whole number in [min, max] (decimal, or hexadecimal with `base` 16), or nullopt.
std::optional<int> number(const std::string& text, int min, int max, int base = 10) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < min ||
        value > max) {
        return std::nullopt;
    }
    return value;
}

// Reads the mouse and prints what `show` says about it.
int showOnMouse(const ParsedArgs& args, std::ostream& out, std::ostream& err, const Show& show) {
    return runDeviceCommand(args, out, err, Connect::ReadImage,
                            [&](DeviceContext& context, std::ostream& o, std::ostream&) {
                                show(context.workspace().model(), o);
                                return kExitOk;
                            });
}

// Reads the mouse, makes the change and prints `show` afterwards; a change that failed says it
// did not reach the mouse.
int changeOnMouse(const ParsedArgs& args, std::ostream& out, std::ostream& err,
                  const Change& change, const Show& show) {
    return runDeviceCommand(args, out, err, Connect::ReadImage,
                            [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                const device::Result result = change(context.workspace());
                                if (!result && result.failure != device::Failure::InvalidRequest)
                                    e << "gmousectl: the change did not reach the mouse\n";
                                const int status = report(result, e);
                                if (status == kExitOk)
                                    show(context.workspace().model(), o);
                                return status;
                            });
}

// --- cpi ---

void showCpi(const image::ImageModel& model, std::ostream& out) {
    const st::CpiLevels levels = st::cpiLevelsOf(model);
    out << "CPI levels: ";
    if (levels.count == 0)
        out << "invalid count (Vendor 43 = " << st::hexByte(model.copies.vendor[43]) << ")";
    else
        out << levels.count << " in use";
    out << ", current level ";
    if (levels.current)
        out << *levels.current << "\n";
    else
        out << "invalid (User 2 = " << st::hexByte(model.copies.user[2]) << ")\n";
    for (int level = 1; level <= st::kCpiLevelCount; ++level) {
        const auto i = static_cast<std::size_t>(level - 1);
        const auto cpi = st::cpiOfIndex(levels.values[i]);
        out << "  level " << level << ": "
            << (cpi ? std::to_string(*cpi) + " CPI"
                    : "index " + std::to_string(levels.values[i]) + " (no such value)")
            << ", colour " << st::colourText(levels.colours[i])
            << (level <= levels.count ? "" : " (not in use)") << "\n";
    }
}

int runCpi(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& p = args.positional;
    if (p.empty())
        return showOnMouse(args, out, err, showCpi);
    const std::string& what = p[0];
    if ((what == "count" || what == "current") && p.size() == 2) {
        const auto level = number(p[1], 1, st::kCpiLevelCount);
        if (!level)
            return usageError(err, "'" + image::echoed(p[1]) + "' is not a level (1..8)");
        return changeOnMouse(
            args, out, err,
            [&](device::Workspace& w) {
                return what == "count" ? st::setLevelCount(w, *level)
                                       : st::setCurrentLevel(w, *level);
            },
            showCpi);
    }
    if ((what == "value" || what == "color") && p.size() == 3) {
        const auto level = number(p[1], 1, st::kCpiLevelCount);
        if (!level)
            return usageError(err, "'" + image::echoed(p[1]) + "' is not a level (1..8)");
        if (what == "value") {
            const auto cpi = number(p[2], 0, 100000);
            const auto index = cpi ? st::indexOfCpi(*cpi) : std::nullopt;
            if (!index) {
                return usageError(err, "'" + image::echoed(p[2]) +
                                           "' is not a CPI value (200 400 600 800 1000 "
                                           "1200 1600 2000 2400 3200 4800 6400)");
            }
            return changeOnMouse(
                args, out, err,
                [&](device::Workspace& w) { return st::setLevelValue(w, *level, *index); },
                showCpi);
        }
        const auto colour = st::parseColour(p[2]);
        if (!colour)
            return usageError(err, "'" + image::echoed(p[2]) + "' is not a colour (RRGGBB)");
        return changeOnMouse(
            args, out, err,
            [&](device::Workspace& w) { return st::setLevelColour(w, *level, *colour); }, showCpi);
    }
    return usageError(err,
                      "expected: cpi [count N | current N | value LEVEL CPI | color LEVEL "
                      "RRGGBB]");
}

// --- rate ---

void showRate(const image::ImageModel& model, std::ostream& out) {
    out << "report rate: " << st::reportRateOf(model.copies.vendor[st::kReportRateAddress])
        << " Hz\n";
}

int runRate(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.empty())
        return showOnMouse(args, out, err, showRate);
    const std::string& text = args.positional[0];
    const auto hertz =
        number(text.ends_with("Hz") ? text.substr(0, text.size() - 2) : text, 0, 1000);
    if (args.positional.size() != 1 || !hertz ||
        std::find(st::kReportRates.begin(), st::kReportRates.end(), *hertz) ==
            st::kReportRates.end()) {
        return usageError(err, "expected one of 125, 250, 500, 1000 (Hz)");
    }
    return runDeviceCommand(args, out, err, Connect::ReadImage,
                            [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                device::Workspace& w = context.workspace();
                                const bool restarts = w.model().reportRateHz != *hertz;
                                const device::Result result = st::setReportRate(w, *hertz);
                                if (!result && result.step == device::Step::LiveWrite)
                                    e << "gmousectl: the change did not reach the mouse\n";
                                const int status = report(result, e);
                                if (status != kExitOk)
                                    return status;
                                showRate(w.model(), o);
                                o << (restarts ? "the mouse restarted with the new rate\n"
                                               : "the rate was already active; no restart\n");
                                return kExitOk;
                            });
}

// --- led ---

void showLed(const image::ImageModel& model, std::ostream& out) {
    const st::LedByte led = st::ledOf(model);
    out << "LED type: " << st::ledTypeName(led.type) << " (" << st::ledTypeText(led.type) << ")\n"
        << "mode: "
        << (led.mode ? std::string(st::modeNames(led.type)[static_cast<std::size_t>(*led.mode)])
                     : "unknown (User 1 = " + st::hexByte(model.copies.user[1]) + ")")
        << "\n";
    if (led.type == st::LedType::Zk)
        out << "lamps: " << led.zkLamps + 1 << "\n";
    const std::uint8_t stepTime = model.copies.vendor[st::kStepTimeAddress];
    out << "speed: step " << st::speedStepOf(stepTime) << " (step time " << unsigned{stepTime}
        << ")\ncolours:";
    for (int k = 1; k <= st::kUserColourCount; ++k) {
        out << " " << k << "="
            << st::colourText(
                   st::colourAt(model.copies.vendor,
                                st::kUserColoursAddress + 3 * static_cast<std::size_t>(k - 1)));
    }
    out << "\n";
    if (model.chip == image::ChipType::Chip4210A) {
        const st::McuLed mcu = st::mcuLedOf(model);
        out << "MCU LED: step " << mcu.step + 1 << ", " << (mcu.fullBrightness ? "full" : "half")
            << " brightness, " << mcu.lamps << " lamps\n";
    }
}

std::string modeList(st::LedType type) {
    std::string list;
    for (const std::string_view name : st::modeNames(type))
        list += std::string(list.empty() ? "" : ", ") + "\"" + std::string(name) + "\"";
    return list;
}

std::optional<int> modeNamed(st::LedType type, const std::string& name) {
    const auto& names = st::modeNames(type);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

int runLedMcu(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    std::optional<int> step;
    std::optional<bool> full;
    std::optional<int> lamps;
    if (const auto text = args.value("--step")) {
        if (!(step = number(*text, 1, st::kMcuSteps)))
            return usageError(err, "--step takes 1..8");
    }
    if (const auto text = args.value("--brightness")) {
        if (*text != "full" && *text != "half")
            return usageError(err, "--brightness takes full or half");
        full = *text == "full";
    }
    if (const auto text = args.value("--lamps")) {
        if (!(lamps = number(*text, st::kMcuMinLamps, st::kMcuMaxLamps)))
            return usageError(err, "--lamps takes 4..13");
    }
    return changeOnMouse(
        args, out, err,
        [&](device::Workspace& w) {
            st::McuLed settings = st::mcuLedOf(w.model());
            settings.step = step ? *step - 1 : settings.step;
            settings.fullBrightness = full.value_or(settings.fullBrightness);
            settings.lamps = lamps.value_or(settings.lamps);
            return st::setMcuLed(w, settings);
        },
        showLed);
}

int runLed(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& p = args.positional;
    if (p.empty())
        return showOnMouse(args, out, err, showLed);
    const std::string& what = p[0];
    if (what == "mcu" && p.size() == 1)
        return runLedMcu(args, out, err);
    if (what == "type" && p.size() == 2) {
        const auto type = st::ledTypeOfName(p[1]);
        if (!type)
            return usageError(
                err, "'" + image::echoed(p[1]) + "' is not an LED type (rgb, sync, zk, mcu)");
        std::string error;
        const auto folder = backupFolder(args, error);
        if (!folder)
            return usageError(err, error);
        return runDeviceCommand(args, out, err, Connect::ReadImage,
                                [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                    applyBackupOptions(args, *folder, context);
                                    const device::Result result =
                                        st::setLedType(context.workspace(), *type);
                                    const int status = report(result, e);
                                    if (status == kExitOk) {
                                        showLed(context.workspace().model(), o);
                                        o << "loaded the defaults for the type; the mouse "
                                             "restarted and was read back\n";
                                    }
                                    return status;
                                });
    }
    if (what == "mode" && p.size() == 2) {
        return changeOnMouse(
            args, out, err,
            [&](device::Workspace& w) {
                const st::LedType type = st::ledOf(w.model()).type;
                const auto mode = modeNamed(type, p[1]);
                if (!mode) {
                    return device::Result::fail(device::Failure::InvalidRequest, device::Step::None,
                                                "modes of the " +
                                                    std::string(st::ledTypeName(type)) +
                                                    " LED: " + modeList(type));
                }
                return st::setLedMode(w, *mode);
            },
            showLed);
    }
    if (what == "color" && p.size() == 3) {
        const auto k = number(p[1], 1, st::kUserColourCount);
        const auto colour = st::parseColour(p[2]);
        if (!k || !colour)
            return usageError(err, "expected: led color K RRGGBB (K = 1..10)");
        return changeOnMouse(
            args, out, err, [&](device::Workspace& w) { return st::setUserColour(w, *k, *colour); },
            showLed);
    }
    if ((what == "speed" || what == "lamps") && p.size() == 2) {
        const auto value = number(p[1], 1, what == "speed" ? st::kSpeedSteps : 8);
        if (!value)
            return usageError(err, what == "speed" ? "the speed step is 1..10" : "lamps are 1..8");
        return changeOnMouse(
            args, out, err,
            [&](device::Workspace& w) {
                return what == "speed" ? st::setSpeedStep(w, *value) : st::setZkLamps(w, *value);
            },
            showLed);
    }
    return usageError(err,
                      "expected: led [type NAME | mode NAME | color K RRGGBB | speed STEP | "
                      "lamps N | mcu [--step S] [--brightness full|half] [--lamps N]]");
}

// --- profile ---

void showProfile(const image::ImageModel& model, std::ostream& out) {
    const st::ActiveProfile active = st::activeProfileOf(model);
    out << "profile: " << active.profile + 1 << " (" << st::profileName(active.profile)
        << "), colour ";
    if (!active.colourItem)
        out << "unknown\n";
    else if (*active.colourItem == st::kFixedProfileColour)
        out << "fixed\n";
    else
        out << *active.colourItem << "\n";
}

// The colour the mouse shows on switching to each profile, as the engineering selectors read it.
void showSwitchColours(const image::ImageModel& model, std::ostream& out) {
    for (int profile = 0; profile < 3; ++profile) {
        out << "switch to " << profile + 1 << " (" << st::profileName(profile) << "): colour item ";
        if (const auto item = st::profileSwitchColourOf(model, profile))
            out << *item - 1 << "\n";
        else
            out << "none (no key switches to it)\n";
    }
}

// profile --switch-color PROFILE ITEM: ITEM is the engineering selector's item, 0..9 the user
// colours 1..10 and 10 the fixed colour.
int runSwitchColour(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& p = args.positional;
    const auto profile = p.size() == 2 ? number(p[0], 1, 3) : std::nullopt;
    const auto item = p.size() == 2 ? number(p[1], 0, st::kProfileColourItems - 1) : std::nullopt;
    if (!profile || !item)
        return usageError(err, "expected: profile --switch-color PROFILE (1..3) ITEM (0..10)");
    return changeOnMouse(
        args, out, err,
        [&](device::Workspace& w) {
            return st::setProfileSwitchColour(w, *profile - 1, *item + 1);
        },
        showSwitchColours);
}

int runProfile(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& p = args.positional;
    if (args.has("--switch-color"))
        return runSwitchColour(args, out, err);
    if (p.empty() && !args.has("--color"))
        return showOnMouse(args, out, err, showProfile);
    if (p.size() != 1)
        return usageError(err, "expected: profile [1|2|3] [--color 1..10|fixed]");
    const auto profile = number(p[0], 1, 3);
    if (!profile)
        return usageError(err, "'" + image::echoed(p[0]) + "' is not a profile (1, 2, 3)");
    std::optional<int> colour;
    if (const auto text = args.value("--color")) {
        colour =
            *text == "fixed" ? std::optional<int>(st::kFixedProfileColour) : number(*text, 1, 10);
        if (!colour)
            return usageError(err, "--color takes 1..10 or fixed");
    }
    return changeOnMouse(
        args, out, err,
        [&](device::Workspace& w) {
            const int item = colour.value_or(st::activeProfileOf(w.model()).colourItem.value_or(1));
            return st::setProfile(w, *profile - 1, item);
        },
        showProfile);
}

// --- usb-id ---

// The largest maker or product number taken; the mouse holds 0..255 and gets 255 above that.
constexpr int kNumberInputMax = 65535;

void showUsbId(const image::ImageModel& model, std::ostream& out) {
    const st::UsbIdentity id = st::usbIdentityOf(model);
    out << "USB ids: vendor " << st::hexWord(id.vendorId) << ", product "
        << st::hexWord(id.productId) << "\nproduct text: \""
        << st::productTextOf(std::span<const std::uint8_t>(model.copies.vendor)
                                 .subspan(image::kVendorProductTextOffset, st::kProductTextLength))
        << "\"\nmanufacturer number: " << unsigned{id.manufacturerNumber}
        << ", product number: " << unsigned{id.productNumber} << "\n";
}

int runUsbId(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (!args.positional.empty())
        return usageError(err, "usb-id takes options only (see --help)");
    const auto vid = args.value("--vid");
    const auto pid = args.value("--pid");
    const auto text = args.value("--text");
    const auto maker = args.value("--maker-number");
    const auto product = args.value("--product-number");
    if (!vid && !pid && !text && !maker && !product)
        return showOnMouse(args, out, err, showUsbId);
    for (const auto& id : {vid, pid}) {
        if (id && !number(*id, 0, 0xFFFF, 16))
            return usageError(err, "an id needs four hexadecimal digits, e.g. 12AB");
        if (id && id->size() != 4)
            return usageError(err, "an id needs four hexadecimal digits, e.g. 12AB");
    }
    if (text) {
        if (const std::string problem = st::productTextProblem(*text); !problem.empty())
            return usageError(err, problem);
    }
    std::optional<int> makerNumber;
    std::optional<int> productNumber;
    const auto numberRefused = [&err](const std::string& option) {
        return usageError(err, option + " takes a whole number 0.." +
                                   std::to_string(kNumberInputMax) +
                                   "; the mouse holds 0..255, so above 255 is written as 255");
    };
    if (maker && !(makerNumber = number(*maker, 0, kNumberInputMax)))
        return numberRefused("--maker-number");
    if (product && !(productNumber = number(*product, 0, kNumberInputMax)))
        return numberRefused("--product-number");
    return changeOnMouse(
        args, out, err,
        [&](device::Workspace& w) {
            if (vid) {
                if (auto r = st::setUsbId(w, st::UsbId::Vendor, *vid); !r)
                    return r;
            }
            if (pid) {
                if (auto r = st::setUsbId(w, st::UsbId::Product, *pid); !r)
                    return r;
            }
            if (text) {
                if (auto r = st::setProductText(w, *text); !r)
                    return r;
            }
            if (makerNumber || productNumber) {
                const st::UsbIdentity held = st::usbIdentityOf(w.model());
                return st::setProductNumbers(w, makerNumber.value_or(held.manufacturerNumber),
                                             productNumber.value_or(held.productNumber));
            }
            return device::Result::done();
        },
        showUsbId);
}

// --- sensor ---

void showSensor(const image::ImageModel& model, std::ostream& out) {
    const auto& names = st::registerNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t address = st::kFirstRegisterAddress + i;
        out << st::hexByte(static_cast<std::uint8_t>(address)) << "  " << names[i] << ": "
            << st::hexByte(model.copies.vendor[address]) << "\n";
    }
}

int runSensor(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& p = args.positional;
    if (p.empty())
        return showOnMouse(args, out, err, showSensor);
    if (p.size() != 2)
        return usageError(err, "expected: sensor [REGISTER VALUE] (VALUE in hex)");
    const auto address = st::registerAddressOf(p[0]);
    if (!address)
        return usageError(
            err, "'" + image::echoed(p[0]) + "' is not a sensor register (see 'gmousectl sensor')");
    const auto value = number(p[1], 0, 0xFFFF, 16);
    if (!value || p[1].size() > 4)
        return usageError(err, "'" + image::echoed(p[1]) +
                                   "' is not a hex value (up to 4 digits; above FF is FF)");
    return changeOnMouse(
        args, out, err,
        [&](device::Workspace& w) { return st::setSensorRegister(w, *address, *value); },
        showSensor);
}

// --- option ---

std::string itemList(const st::OptionField& field) {
    std::string list;
    for (const std::string_view item : field.items)
        list += std::string(list.empty() ? "" : " | ") + std::string(item);
    return list;
}

int runOption(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& p = args.positional;
    if (args.has("--list")) {
        if (!p.empty())
            return usageError(err, "--list takes no arguments");
        for (const st::OptionField& field : st::optionFields())
            out << field.name << ": " << itemList(field) << "\n";
        return kExitOk;
    }
    if (p.empty() || p.size() > 2)
        return usageError(err, "expected: option NAME [VALUE] (names: option --list)");
    const st::OptionField* field = st::optionNamed(p[0]);
    if (field == nullptr)
        return usageError(
            err, "'" + image::echoed(p[0]) + "' is not an option (see 'gmousectl option --list')");
    const Show show = [field](const image::ImageModel& model, std::ostream& o) {
        o << field->name << ": " << field->items[st::optionItemOf(*field, model)] << "\n";
    };
    if (p.size() == 1)
        return showOnMouse(args, out, err, show);
    const auto item = st::optionItemNamed(*field, p[1]);
    if (!item)
        return usageError(err, "'" + image::echoed(p[1]) + "' is not a value of " + p[0] + ": " +
                                   itemList(*field));
    return changeOnMouse(
        args, out, err, [&](device::Workspace& w) { return st::setOption(w, *field, *item); },
        show);
}

std::string withDeviceHelp(const std::string& text) {
    return text + "\n\n" + kDeviceOptionsHelp;
}

std::string withBackupHelp(const std::string& text) {
    return text + "\n\n" + kBackupDirHelp + "\n" + kDeviceOptionsHelp;
}

}  // namespace

void registerSettingsCommands(CommandRegistry& registry) {
    registry.add({"cpi",
                  "[count N | current N | value LEVEL CPI | color LEVEL RRGGBB] [DEVICE OPTIONS]",
                  "show or change the CPI levels",
                  withDeviceHelp("Without arguments shows the levels in use, the current level and "
                                 "each level's CPI\nand colour. CPI values: 200 400 600 800 1000 "
                                 "1200 1600 2000 2400 3200 4800 6400.\nA value change re-sends the "
                                 "current level so the mouse applies it at once."),
                  withDeviceOptions(), runCpi});
    registry.add(
        {"rate", "[125|250|500|1000] [DEVICE OPTIONS]", "show or change the report rate",
         withDeviceHelp("A new rate restarts the mouse (it enumerates again with the rate); "
                        "the active\nrate is written without a restart."),
         withDeviceOptions(), runRate});
    registry.add(
        {"led",
         "[type NAME | mode NAME | color K RRGGBB | speed STEP | lamps N | mcu ...] "
         "[DEVICE OPTIONS]",
         "show or change the lighting",
         withBackupHelp("type rgb|sync|zk|mcu loads the defaults of the type (a whole-image "
                        "write that keeps a\nbackup). mode takes a mode name of the current "
                        "type, e.g. \"DPI Color\". color K sets\nuser colour K (1..10). "
                        "speed STEP is 1 (slow) ..10 (fast). lamps N is the ZK LED's\nlamp "
                        "count (1..8). mcu [--step 1..8] [--brightness full|half] [--lamps "
                        "4..13]\nsets the MCU LED (4210A only)."),
         withDeviceOptions({kBackupDirOption,
                            kNoBackupOption,
                            {{"--step"}, OptionValue::Required},
                            {{"--brightness"}, OptionValue::Required},
                            {{"--lamps"}, OptionValue::Required}}),
         runLed});
    registry.add(
        {"profile", "[1|2|3] [--color 1..10|fixed] | --switch-color PROFILE ITEM [DEVICE OPTIONS]",
         "show or choose the active profile and its colour",
         withDeviceHelp("Profiles: 1 Office Mode, 2 Game Mode, 3 Third Mode. The colour is "
                        "user colour 1..10\nor the fixed colour; without --color the "
                        "current colour stays.\n--switch-color PROFILE ITEM: the colour shown "
                        "when a key switches to PROFILE,\nITEM 0..9 user colour 1..10, 10 the "
                        "fixed colour (every such key is rewritten)."),
         withDeviceOptions({{{"--color"}, OptionValue::Required}, {{"--switch-color"}}}),
         runProfile});
    registry.add(
        {"usb-id",
         "[--vid XXXX] [--pid XXXX] [--text TEXT] [--maker-number N] [--product-number N] "
         "[DEVICE OPTIONS]",
         "show or change how the mouse presents itself",
         withDeviceHelp("Ids take exactly four hex digits; the text at most 16 characters of "
                        "printable\nASCII (space to ~). Numbers above 255 are written as 255. "
                        "The mouse uses new ids\nafter its next restart."),
         withDeviceOptions({{{"--vid"}, OptionValue::Required},
                            {{"--pid"}, OptionValue::Required},
                            {{"--text"}, OptionValue::Required},
                            {{"--maker-number"}, OptionValue::Required},
                            {{"--product-number"}, OptionValue::Required}}),
         runUsbId});
    registry.add(
        {"sensor", "[REGISTER VALUE] [DEVICE OPTIONS]", "show the 33 sensor registers or write one",
         withDeviceHelp("REGISTER is a name as shown (e.g. MaxShut); VALUE is hex, above FF "
                        "writes FF."),
         withDeviceOptions(), runSensor});
    registry.add({"option", "NAME [VALUE] | --list [DEVICE OPTIONS]",
                  "show or change a device option (Vendor 4..8)",
                  withDeviceHelp("'option --list' names the options and their values."),
                  withDeviceOptions({{{"--list"}, OptionValue::None}}), runOption});
}

}  // namespace gm::ctl
