// The Pointer card on a fake desktop: what it shows at start (the desktop's values, else the
// stored ones), every bar, count and toggle applying all settings in order, one-screen mode
// dimming the wheel and returning to its level, both bar styles, and what the desktop could not
// apply said in the card once per change, never in a dialog and never sent to the mouse.

#include <QLabel>
#include <QTest>

#include "support/fake_desktop.h"
#include "ui/pages/keys/check_toggle.h"
#include "ui/support/settings_page_rig.h"

namespace gm::ui::testing {

namespace {

using host::desktop_mouse::DesktopMouseSettings;
using host::desktop_mouse::PointerReadings;
using host::desktop_mouse::Setting;
using host::desktop_mouse::testing::FakeDesktop;
using host::desktop_mouse::testing::FakeStore;

// The window with the card on a fake desktop that logs into `calls`; the desktop is asked when
// the Advanced page is first shown.
struct PointerRig {
    explicit PointerRig(image::settings::ProgramSettings settings = {}) : rig(settings) {
        rig.window->setDesktopMouse(desktopMouse);
    }
    bool open() {
        if (!connectEditor(rig))
            return false;
        rig.window->showPage(Page::Advanced);
        calls.clear();
        return true;
    }
    // The level a bar shows: the lit segments in the fill style, the one lit in the other.
    std::vector<int> lit(const char* prefix) const {
        std::vector<int> levels;
        for (int n = 1; n <= 11; ++n) {
            if (rig.checked(QString("%1%2").arg(prefix).arg(n).toUtf8().constData()))
                levels.push_back(n);
        }
        return levels;
    }
    QString notice() const { return textOf(rig, "lbl_PointerNotice"); }
    // What the change applied, in order, from the store's write to the wheel.
    std::vector<std::string> takeCalls() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;
    PointerReadings desktopHas;
    std::vector<Setting> refused;
    FakeStore* store = new FakeStore(calls);
    DesktopMouseSettings desktopMouse{[this] {
                                          auto desktop = std::make_unique<FakeDesktop>(calls);
                                          desktop->readings = desktopHas;
                                          desktop->refused = refused;
                                          return desktop;
                                      },
                                      std::unique_ptr<host::desktop_mouse::PointerStore>(store)};
    WindowRig rig;
};

std::vector<std::string> appliedAll(const std::string& stored, int speed,
                                    const std::string& precision, int doubleClick, int wheel) {
    return {"store write " + stored, "apply speed " + std::to_string(speed),
            "apply precision " + precision, "apply double-click " + std::to_string(doubleClick),
            "apply wheel " + std::to_string(wheel)};
}

}  // namespace

class PointerCardTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheDesktopsValuesElseTheStoredOnes() {
        PointerRig pointer;
        pointer.desktopHas = {.speed = 16, .precision = settings::desktop::kPrecisionOn};
        pointer.store->readings = {.speed = 2, .doubleClickMs = 340, .wheelLines = -1};
        QVERIFY(pointer.open());
        QCOMPARE(pointer.lit("Img_Spd"), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QVERIFY(pointer.rig.find<CheckToggle>("lbl_IsControl")->isOn());
        QCOMPARE(pointer.lit("Img_DbSpd").size(), 9u);
        QVERIFY(pointer.rig.find<CheckToggle>("lbl_IsScreen")->isOn());
        QVERIFY(!pointer.rig.find("Img_ScrSpdBar")->isEnabled());
        QVERIFY(!pointer.rig.find("lbl_ScrSpd5")->isEnabled());
        QCOMPARE(pointer.notice(), QString("Desktop: Fake desktop"));
        // Showing applied nothing.
        QVERIFY(pointer.calls.empty());
    }

    void everyBarAndCountAppliesAllSettingsInOrder() {
        PointerRig pointer;
        QVERIFY(pointer.open());
        pointer.rig.click("Img_Spd6");
        QCOMPARE(pointer.takeCalls(), appliedAll("10 0 480 2", 10, "0,0,0", 480, 2));
        pointer.rig.click("Img_Spd1");
        QCOMPARE(pointer.takeCalls(), appliedAll("1 0 480 2", 1, "0,0,0", 480, 2));
        pointer.rig.click("Img_DbSpd1");
        QCOMPARE(pointer.takeCalls(), appliedAll("1 0 900 2", 1, "0,0,0", 900, 2));
        pointer.rig.click("Img_ScrSpd11");
        QCOMPARE(pointer.takeCalls(), appliedAll("1 0 900 11", 1, "0,0,0", 900, 11));
        pointer.rig.click("lbl_ScrSpd4");
        QCOMPARE(pointer.takeCalls(), appliedAll("1 0 900 4", 1, "0,0,0", 900, 4));
        QCOMPARE(pointer.lit("Img_ScrSpd"), (std::vector<int>{1, 2, 3, 4}));
        QVERIFY(pointer.rig.checked("lbl_ScrSpd4"));
        QCOMPARE(pointer.lit("Img_DbSpd"), (std::vector<int>{1}));
        // The desktop's settings never reach the mouse.
        QVERIFY(liveWrites(pointer.rig).empty());
    }

    void togglesApplyAndOneScreenReturnsToTheWheelLevel() {
        PointerRig pointer;
        QVERIFY(pointer.open());
        pointer.rig.click("lbl_ScrSpd7");
        pointer.takeCalls();
        pointer.rig.click("lbl_IsControl");
        QCOMPARE(pointer.takeCalls(), appliedAll("10 1 480 7", 10, "6,10,1", 480, 7));
        QVERIFY(pointer.rig.find<CheckToggle>("lbl_IsControl")->isOn());
        pointer.rig.click("lbl_IsScreen");
        QCOMPARE(pointer.takeCalls().back(), std::string("apply wheel -1"));
        QVERIFY(!pointer.rig.find("Img_ScrSpdBar")->isEnabled());
        QVERIFY(!pointer.rig.find("lbl_ScrSpd1")->isEnabled());
        pointer.rig.click("lbl_IsScreen");
        QCOMPARE(pointer.takeCalls(), appliedAll("10 1 480 7", 10, "6,10,1", 480, 7));
        QVERIFY(pointer.rig.find("Img_ScrSpd7")->isEnabled());
        pointer.rig.click("lbl_IsControl");
        QCOMPARE(pointer.takeCalls()[2], std::string("apply precision 0,0,0"));
    }

    void oneScreenReadAtStartReturnsToOneLine() {
        PointerRig pointer;
        pointer.store->readings = {.wheelLines = -1};
        QVERIFY(pointer.open());
        pointer.rig.click("lbl_IsScreen");
        QCOMPARE(pointer.takeCalls().back(), std::string("apply wheel 1"));
        QCOMPARE(pointer.lit("Img_ScrSpd"), (std::vector<int>{1}));
    }

    void theOtherBarStyleLightsOnlyTheLevel() {
        image::settings::ProgramSettings settings;
        settings.sliderLevelStyle = true;
        PointerRig pointer(settings);
        QVERIFY(pointer.open());
        QCOMPARE(pointer.lit("Img_Spd"), (std::vector<int>{6}));
        pointer.rig.click("Img_DbSpd3");
        QCOMPARE(pointer.lit("Img_DbSpd"), (std::vector<int>{3}));
    }

    void whatTheDesktopCouldNotApplyIsSaidInTheCardOncePerChange() {
        PointerRig pointer;
        pointer.refused = {Setting::PointerSpeed, Setting::WheelLines};
        QVERIFY(pointer.open());
        pointer.rig.click("Img_Spd3");
        const QString said = "pointer speed, wheel lines: not offered by this desktop";
        QCOMPARE(pointer.notice(), said);
        pointer.rig.click("Img_Spd4");
        QCOMPARE(pointer.notice(), said);
        pointer.store->error = "disk full";
        pointer.rig.click("lbl_IsControl");
        QCOMPARE(pointer.notice(), "Not stored: disk full; " + said);
        QVERIFY(pointer.rig.messages.empty());
        // A new language says the last change again in it.
        pointer.store->error.clear();
        pointer.rig.click("Img_Spd5");
        pointer.rig.window->setLanguage(2);
        QCOMPARE(pointer.notice(), QString("指针速度、滚轮行数：此桌面不提供"));
    }

    void aCompleteApplyNamesTheDesktop() {
        PointerRig pointer;
        QVERIFY(pointer.open());
        pointer.rig.click("Img_DbSpd11");
        QCOMPARE(pointer.notice(), QString("Applied to Fake desktop"));
    }

    void aWindowGivenNoDesktopOnlyKeepsTheValuesForThisRun() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.window->showPage(Page::Advanced);
        rig.click("Img_Spd2");
        QCOMPARE(textOf(rig, "lbl_PointerNotice"),
                 QString("No desktop found to apply these: they are only stored"));
        QVERIFY(rig.checked("Img_Spd2"));
    }
};

}  // namespace gm::ui::testing

QTEST_MAIN(gm::ui::testing::PointerCardTest)
#include "pointer_card_test.moc"
