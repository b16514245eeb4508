#include "host/desktop_mouse/running_desktop.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "host/desktop_mouse/no_desktop.h"
#ifdef GM_HAVE_GSETTINGS
#include "host/desktop_mouse/gsettings_desktop.h"
#include "host/desktop_mouse/kde_desktop.h"
#endif
#ifdef GM_HAVE_X11
#include "host/desktop_mouse/x11_desktop.h"
#endif
#ifdef _WIN32
#include "host/desktop_mouse/windows_desktop.h"
#endif

namespace gm::host::desktop_mouse {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

std::unique_ptr<DesktopMouse> gsettingsDesktop() {
#ifdef GM_HAVE_GSETTINGS
    return std::make_unique<GSettingsDesktop>();
#else
    return std::make_unique<NoDesktop>("none (this build has no GSettings)");
#endif
}

std::unique_ptr<DesktopMouse> kdeDesktop() {
#ifdef GM_HAVE_GSETTINGS
    return std::make_unique<KdeDesktop>();
#else
    return std::make_unique<NoDesktop>("none (this build has no GIO for KDE's D-Bus)");
#endif
}

std::unique_ptr<DesktopMouse> x11Desktop() {
#ifdef GM_HAVE_X11
    if (std::unique_ptr<X11Desktop> x11 = X11Desktop::open())
        return x11;
    return nullptr;
#else
    return nullptr;
#endif
}

}  // namespace

bool namesDesktop(std::string_view currentDesktops, std::string_view desktop) {
    const std::string list = lowerCase(currentDesktops);
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        if (rest.substr(0, colon) == desktop)
            return true;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return false;
}

bool usesGnomeMouseSettings(std::string_view currentDesktops) {
    static constexpr std::array<std::string_view, 7> kGnomeBased{
        "gnome", "gnome-classic", "gnome-flashback", "unity", "budgie", "pantheon", "ubuntu"};
    return std::ranges::any_of(kGnomeBased, [&](std::string_view desktop) {
        return namesDesktop(currentDesktops, desktop);
    });
}

std::unique_ptr<PointerStore> userPointerStore(image::files::FileWriter& writer) {
#ifdef _WIN32
    (void)writer;
    return std::make_unique<RegistryPointerStore>();
#else
    return std::make_unique<IniPointerStore>(pointerStoreFile(), writer);
#endif
}

std::unique_ptr<DesktopMouse> runningDesktop() {
#ifdef _WIN32
    return std::make_unique<SystemParametersDesktop>();
#endif
    const std::string chosen = lowerCase(environment("GMOUSE_DESKTOP"));
    if (chosen == "none")
        return std::make_unique<NoDesktop>();
    if (chosen == "gsettings")
        return gsettingsDesktop();
    if (chosen == "kde")
        return kdeDesktop();
    if (chosen == "x11") {
        if (std::unique_ptr<DesktopMouse> x11 = x11Desktop())
            return x11;
        return std::make_unique<NoDesktop>("none (GMOUSE_DESKTOP=x11, but no X display opens)");
    }
    if (!chosen.empty())
        return std::make_unique<NoDesktop>("none (GMOUSE_DESKTOP=" + chosen +
                                           " is not gsettings, kde, x11 or none)");
    const std::string current = environment("XDG_CURRENT_DESKTOP");
    if (usesGnomeMouseSettings(current))
        return gsettingsDesktop();
    if (namesDesktop(current, "kde"))
        return kdeDesktop();
    if (!environment("DISPLAY").empty()) {
        if (std::unique_ptr<DesktopMouse> x11 = x11Desktop())
            return x11;
    }
    return std::make_unique<NoDesktop>();
}

}  // namespace gm::host::desktop_mouse
