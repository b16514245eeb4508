// gmousectl desktop: the desktop mouse settings (pointer speed, pointer precision, double-click
// time, wheel lines and one screen per notch), shown with their levels and values and the
// desktop that applies them, and changed one at a time; every change applies all of them, as
// the editor's Pointer card does. Nothing here talks to the mouse.

#include <ostream>
#include <string>

#include "app/ctl/cli_values.h"
#include "app/ctl/command.h"
#include "host/desktop_mouse/desktop_mouse_settings.h"
#include "host/desktop_mouse/running_desktop.h"
#include "host/files/atomic_file_writer.h"
#include "image/echoed_text.h"

namespace gm::ctl {
namespace {

namespace desktop = gm::settings::desktop;
using host::desktop_mouse::ApplyReport;
using host::desktop_mouse::DesktopMouseSettings;
using host::desktop_mouse::Refusal;
using Edit = std::function<bool(desktop::PointerSettings&)>;

const char* onOff(bool on) {
    return on ? "on" : "off";
}

void show(DesktopMouseSettings& settings, std::ostream& out) {
    const desktop::PointerSettings& s = settings.current();
    const desktop::PointerValues values = desktop::valuesOf(s);
    const desktop::Precision& p = values.precision;
    out << "desktop: " << settings.desktop().name() << "\n"
        << "pointer speed: level " << s.speedLevel << " (speed " << values.speed << " of 20)\n"
        << "pointer precision: " << onOff(s.precision) << " (thresholds " << p.threshold1 << ", "
        << p.threshold2 << ", acceleration " << p.acceleration << ")\n"
        << "double-click: level " << s.doubleClickLevel << " (" << values.doubleClickMs << " ms)\n"
        << "wheel: level " << s.wheelLevel << " (" << s.wheelLevel
        << (s.wheelLevel == 1 ? " line" : " lines") << " per notch"
        << (s.oneScreen ? ", kept while one screen per notch is on" : "") << ")\n"
        << "one screen per notch: " << onOff(s.oneScreen) << "\n";
}

// The change, then what the desktop could not apply on standard error. Fails when the store
// could not be written or the setting asked for was not applied; the others' refusals are
// notes. Without a desktop the store is all there is, and one line says so.
int change(DesktopMouseSettings& settings, desktop::Setting asked, const Edit& edit,
           std::ostream& out, std::ostream& err) {
    const std::optional<ApplyReport> report = settings.change(edit);
    if (!report)
        return usageError(err, "that level is not 1..11");
    int status = kExitOk;
    if (!report->storeError.empty()) {
        err << "gmousectl: not stored: " << report->storeError << "\n";
        status = kExitFailure;
    }
    if (settings.desktop().appliesNothing()) {
        err << "gmousectl: stored only, no desktop applies these: " << settings.desktop().name()
            << "\n";
        show(settings, out);
        return status;
    }
    for (const Refusal& refusal : report->refusals) {
        err << "gmousectl: not applied: " << host::desktop_mouse::describe(refusal) << "\n";
        if (refusal.setting == asked)
            status = kExitFailure;
    }
    show(settings, out);
    return status;
}

int levelError(std::ostream& err, const std::string& what, const std::string& text) {
    return usageError(err, "'" + image::echoed(text) + "' is not a " + what);
}

int runDesktop(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& p = args.positional;
    host::AtomicFileWriter writer;
    DesktopMouseSettings settings(host::desktop_mouse::runningDesktop,
                                  host::desktop_mouse::userPointerStore(writer));
    if (p.empty()) {
        show(settings, out);
        return kExitOk;
    }
    if (p.size() != 2)
        return usageError(err, "desktop takes a setting and its value, e.g. 'desktop speed 6'");
    const std::string& what = p[0];
    const std::string& value = p[1];
    const auto level = wholeNumber(value, 1, desktop::kLevels);
    if (what == "speed") {
        if (!level)
            return levelError(err, "speed level (1..11)", value);
        return change(
            settings, desktop::Setting::PointerSpeed,
            [&](auto& s) { return desktop::setSpeedLevel(s, *level); }, out, err);
    }
    if (what == "double-click") {
        if (!level)
            return levelError(err, "double-click level (1..11)", value);
        return change(
            settings, desktop::Setting::DoubleClick,
            [&](auto& s) { return desktop::setDoubleClickLevel(s, *level); }, out, err);
    }
    if (what == "precision") {
        if (value != "on" && value != "off")
            return levelError(err, "precision choice (on or off)", value);
        return change(
            settings, desktop::Setting::Precision,
            [&](auto& s) {
                desktop::setPrecision(s, value == "on");
                return true;
            },
            out, err);
    }
    if (what == "wheel") {
        if (!level && value != "screen")
            return levelError(err, "wheel level (1..11) or 'screen'", value);
        // A number of lines ends one-screen mode; "screen" keeps the level for later.
        return change(
            settings, desktop::Setting::WheelLines,
            [&](auto& s) {
                desktop::setOneScreen(s, !level);
                return !level || desktop::setWheelLevel(s, *level);
            },
            out, err);
    }
    return usageError(err, "unknown desktop setting '" + image::echoed(what) +
                               "' (speed, precision, double-click, wheel)");
}

}  // namespace

void registerDesktopCommands(CommandRegistry& registry) {
    registry.add(
        {"desktop",
         "[speed 1..11 | precision on|off | double-click 1..11 | wheel 1..11|screen]",
         "show or change the desktop's mouse settings (not the mouse's)",
         "Without arguments shows the pointer speed, pointer precision, double-click time,\n"
         "wheel lines and one screen per notch, with their levels and values, and the\n"
         "desktop that applies them. A change applies all five at once and keeps them in\n"
         "$XDG_CONFIG_HOME/gmouse/desktop-mouse.ini; what the desktop cannot apply is said\n"
         "on standard error (exit status 1 when it is the setting asked for).\n"
         "Speed levels 1..11 are the speeds 1 2 4 6 8 10 12 14 16 18 20 (10 is the usual\n"
         "one); double-click levels 1..11 are 900 ms down to 200 ms in 70 ms steps; wheel\n"
         "levels are lines per notch.\n"
         "GMOUSE_DESKTOP=gsettings|kde|x11|none chooses the desktop; otherwise GNOME-based\n"
         "desktops use GSettings, KDE Plasma kdeglobals and KWin, other X11 sessions the X\n"
         "server's pointer control.",
         {},
         runDesktop});
}

}  // namespace gm::ctl
