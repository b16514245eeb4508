// The desktop mouse settings as both programs drive them: read once from the desktop where it
// has values, else from the store; every change applies all, store first, then the desktop in
// order; refusals and a failed store are reported.
#include "host/desktop_mouse/desktop_mouse_settings.h"

#include <gtest/gtest.h>

#include "support/fake_desktop.h"

namespace gm::host::desktop_mouse {
namespace {

using settings::desktop::kPrecisionOn;
using testing::FakeDesktop;
using testing::FakeStore;

// The desktop is opened on first use with what the test set by then.
struct Rig {
    std::vector<std::string> calls;
    PointerReadings desktopHas;
    std::vector<Setting> refused;
    int opened = 0;
    FakeStore* store = new FakeStore(calls);
    DesktopMouseSettings settings{[this] {
                                      ++opened;
                                      auto desktop = std::make_unique<FakeDesktop>(calls);
                                      desktop->readings = desktopHas;
                                      desktop->refused = refused;
                                      return desktop;
                                  },
                                  std::unique_ptr<PointerStore>(store)};
};

TEST(DesktopMouseSettings, ReadsTheDesktopFirstThenTheStoreOnceOnFirstUse) {
    Rig rig;
    rig.desktopHas = {.speed = 18, .precision = kPrecisionOn};
    rig.store->readings = {.speed = 2, .doubleClickMs = 340, .wheelLines = -1};
    EXPECT_EQ(rig.opened, 0);
    const PointerSettings& settings = rig.settings.current();
    EXPECT_EQ(settings.speedLevel, 10);
    EXPECT_TRUE(settings.precision);
    EXPECT_EQ(settings.doubleClickLevel, 9);
    EXPECT_TRUE(settings.oneScreen);
    rig.settings.current();
    EXPECT_EQ(rig.opened, 1);
    EXPECT_EQ(rig.calls, (std::vector<std::string>{"desktop read", "store read"}));
}

TEST(DesktopMouseSettings, EveryChangeAppliesAllStoreFirstThenTheDesktopInOrder) {
    Rig rig;
    rig.settings.current();
    rig.calls.clear();
    const auto report = rig.settings.change(
        [](PointerSettings& settings) { return settings::desktop::setSpeedLevel(settings, 6); });
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->complete());
    EXPECT_EQ(rig.calls, (std::vector<std::string>{"store write 10 0 480 2", "apply speed 10",
                                                   "apply precision 0,0,0",
                                                   "apply double-click 480", "apply wheel 2"}));
}

TEST(DesktopMouseSettings, RefusalsAndAFailedStoreAreReportedAndTheRestStillApplied) {
    Rig rig;
    rig.refused = {Setting::WheelLines, Setting::Precision};
    rig.store->error = "disk full";
    const auto report = rig.settings.change([](PointerSettings& settings) {
        settings::desktop::setOneScreen(settings, true);
        return true;
    });
    ASSERT_TRUE(report);
    EXPECT_EQ(report->storeError, "disk full");
    EXPECT_EQ(report->refusals,
              (std::vector<Refusal>{{Setting::Precision, Refusal::Reason::NotOffered, {}},
                                    {Setting::WheelLines, Refusal::Reason::NotOffered, {}}}));
    EXPECT_EQ(rig.calls.back(), "apply wheel -1");
    EXPECT_TRUE(rig.settings.current().oneScreen);
}

TEST(DesktopMouseSettings, ARefusedChangeAppliesNothingAndChangesNothing) {
    Rig rig;
    const PointerSettings before = rig.settings.current();
    rig.calls.clear();
    EXPECT_FALSE(rig.settings.change([](PointerSettings& settings) {
        settings.speedLevel = 1;  // changed, then refused: must not stay
        return false;
    }));
    EXPECT_TRUE(rig.calls.empty());
    EXPECT_EQ(rig.settings.current(), before);
}

TEST(DesktopMouseSettings, RefusalsSayTheSettingAndWhy) {
    EXPECT_EQ(describe({Setting::WheelLines, Refusal::Reason::NotOffered, {}}),
              "wheel lines: not offered by this desktop");
    EXPECT_EQ(describe({Setting::DoubleClick, Refusal::Reason::NotInstalled,
                        "org.gnome.desktop.peripherals.mouse double-click"}),
              "double-click time: org.gnome.desktop.peripherals.mouse double-click is not "
              "installed");
    EXPECT_EQ(describe({Setting::Precision, Refusal::Reason::Failed, "the X server refused"}),
              "pointer precision: the X server refused");
}

}  // namespace
}  // namespace gm::host::desktop_mouse
