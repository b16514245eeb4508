#pragma once
// The desktop whose mouse settings this session applies, chosen at run time (on Windows, always
// the system parameters):
//   GMOUSE_DESKTOP=gsettings|kde|x11|none chooses one outright (tests choose none or a private
//   GSettings backend, so they never touch the machine's desktop);
//   else a desktop that keeps them in GSettings (XDG_CURRENT_DESKTOP naming GNOME, Unity,
//   Budgie or Pantheon) when this build has GIO;
//   else KDE Plasma (XDG_CURRENT_DESKTOP naming KDE), through KConfig's tools and KWin's D-Bus;
//   else the X server's pointer control when DISPLAY opens;
//   else none: the values are only stored.
// A desktop this build cannot serve is said in the name of the one returned.

#include <memory>
#include <string_view>

#include "host/desktop_mouse/desktop_mouse.h"
#include "host/desktop_mouse/pointer_store.h"

namespace gm::host::desktop_mouse {

std::unique_ptr<DesktopMouse> runningDesktop();

// The user's store of the six values: the registry on Windows, else the INI file
// (pointerStoreFile()) written through `writer`, which must outlive it.
std::unique_ptr<PointerStore> userPointerStore(image::files::FileWriter& writer);

// Whether XDG_CURRENT_DESKTOP's colon-separated list names `desktop` (in lower case), or a
// desktop that applies org.gnome.desktop.peripherals.mouse.
bool namesDesktop(std::string_view currentDesktops, std::string_view desktop);
bool usesGnomeMouseSettings(std::string_view currentDesktops);

}  // namespace gm::host::desktop_mouse
