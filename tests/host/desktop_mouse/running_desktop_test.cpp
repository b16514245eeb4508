// Which desktop a session applies the settings to: the explicit choice, the desktops that keep
// them in GSettings, and none when nothing serves them.
#include "host/desktop_mouse/running_desktop.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace gm::host::desktop_mouse {
namespace {

TEST(RunningDesktop, GnomeBasedDesktopsAreFoundInTheColonSeparatedList) {
    EXPECT_TRUE(usesGnomeMouseSettings("GNOME"));
    EXPECT_TRUE(usesGnomeMouseSettings("ubuntu:GNOME"));
    EXPECT_TRUE(usesGnomeMouseSettings("Budgie:GNOME"));
    EXPECT_TRUE(usesGnomeMouseSettings("Unity"));
    EXPECT_FALSE(usesGnomeMouseSettings("KDE"));
    EXPECT_FALSE(usesGnomeMouseSettings("XFCE"));
    EXPECT_FALSE(usesGnomeMouseSettings("GNOMEISH"));
    EXPECT_FALSE(usesGnomeMouseSettings(""));
    EXPECT_TRUE(namesDesktop("KDE", "kde"));
    EXPECT_FALSE(namesDesktop("KDEish:GNOME", "kde"));
}

TEST(RunningDesktop, TheExplicitChoiceWinsAndWhatCannotServeIsNamed) {
    setenv("XDG_CURRENT_DESKTOP", "GNOME", 1);
    setenv("GMOUSE_DESKTOP", "none", 1);
    EXPECT_EQ(runningDesktop()->name(), "none (the settings are only stored)");
    setenv("GMOUSE_DESKTOP", "kwin", 1);
    EXPECT_EQ(runningDesktop()->name(),
              "none (GMOUSE_DESKTOP=kwin is not gsettings, kde, x11 or none)");
    unsetenv("DISPLAY");
    setenv("GMOUSE_DESKTOP", "X11", 1);
    EXPECT_EQ(runningDesktop()->name(), "none (GMOUSE_DESKTOP=x11, but no X display opens)");
}

TEST(RunningDesktop, WithoutADesktopOrDisplayNothingIsApplied) {
    unsetenv("GMOUSE_DESKTOP");
    unsetenv("DISPLAY");
    setenv("XDG_CURRENT_DESKTOP", "sway", 1);
    const std::unique_ptr<DesktopMouse> desktop = runningDesktop();
    EXPECT_EQ(desktop->name(), "none (the settings are only stored)");
    EXPECT_EQ(desktop->apply(Setting::WheelLines, {}),
              (Refusal{Setting::WheelLines, Refusal::Reason::NotOffered, {}}));
}

}  // namespace
}  // namespace gm::host::desktop_mouse
