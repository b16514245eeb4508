// The Light page on the virtual mouse: the LED mode labels, the speed bar, the user colour
// swatches and the MCU LED card write the bytes the mouse then holds; the page shows only the
// modes the mask offers, and a refused write leaves it showing what the mouse still holds.

#include <QTest>

#include "ui/support/settings_page_rig.h"

namespace gm::ui::testing {

namespace {

constexpr std::size_t kModeMask = 42;
constexpr std::size_t kStepTime = 56;
constexpr std::size_t kLedByte = 165;
constexpr std::size_t kMcuStep = 1008 + 8;
constexpr std::size_t kMcuBrightness = 1008 + 9;

bool shown(const WindowRig& rig, const char* name) {
    return rig.find<QWidget>(name)->isVisibleTo(rig.window.get());
}

}  // namespace

class LightPageTest : public QObject {
    Q_OBJECT

private slots:
    void modeLabelsWriteTheModeAndKeepTheType() {
        WindowRig rig;  // the 4210A's factory image drives an MCU LED strip
        rig.mouse.loadEeprom(presetImage({{kLedByte, 0x81}, {kModeMask, 0xFE}}));
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Breath_1");
        QCOMPARE(textOf(rig, "lbl_LED1"), QString("DPI Mode"));
        QVERIFY(rig.checked("rb_LED1"));

        rig.mouse.clearReports();
        rig.click("lbl_LED3");
        const std::vector<LiveWrite> rainbow{{165, {0x83}}};
        QCOMPARE(liveWrites(rig), rainbow);
        QVERIFY(rig.checked("rb_LED3"));
        QVERIFY(!rig.checked("rb_LED1"));
        QVERIFY(rig.find<QWidget>("Img_FallBar")->isEnabled());
        // Mode 6 has no speed: the bar is disabled while it is chosen.
        rig.click("rb_LED6");
        QCOMPARE(rig.mouse.eeprom()[kLedByte], std::uint8_t{0x86});
        QVERIFY(!rig.find<QWidget>("Img_FallBar")->isEnabled());
    }

    void onlyTheOfferedModesAreListed() {
        WindowRig rig;  // RGB LED with only "Breath in turn" offered
        rig.mouse.loadEeprom(presetImage({{kLedByte, 0x05}, {kModeMask, 0x04}}));
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Breath_1");
        QVERIFY(shown(rig, "lbl_LED3"));
        for (const char* hidden : {"lbl_LED1", "lbl_LED2", "lbl_LED4", "lbl_LED6", "lbl_LED7"})
            QVERIFY2(!shown(rig, hidden), hidden);
        // The one offered mode moves up to the first row.
        QCOMPARE(rig.find<QWidget>("lbl_LED3")->y(), rig.find<QWidget>("lbl_LED1")->y());
        rig.click("lbl_LED3");
        QCOMPARE(rig.mouse.eeprom()[kLedByte], std::uint8_t{0x02});

        // The Chinese table lacks the RGB mode names: the page's own names stand in.
        rig.window->setLanguage(2);
        QCOMPARE(textOf(rig, "lbl_LED3"), QString::fromUtf8("轮流呼吸"));
    }

    void speedBarWritesStepTimes() {
        WindowRig rig;
        rig.mouse.loadEeprom(presetImage({{kStepTime, 8}}));
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Breath_1");
        // A step time of 8 shows as step 9.
        QVERIFY(rig.checked("Img_Fall9"));
        QVERIFY(!rig.checked("Img_Fall10"));
        rig.click("Img_Fall10");
        QCOMPARE(rig.mouse.eeprom()[kStepTime], std::uint8_t{5});
        QVERIFY(rig.checked("Img_Fall10"));
        rig.click("Img_Fall1");
        QCOMPARE(rig.mouse.eeprom()[kStepTime], std::uint8_t{50});
        QVERIFY(!rig.checked("Img_Fall2"));
    }

    void swatchWritesTheUserColour() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.window->setColourChooser(
            [](const QColor&) -> std::optional<QColor> { return QColor(0xAB, 0xCD, 0xEF); });
        rig.mouse.clearReports();
        rig.click("lbl_Col3");
        const std::vector<LiveWrite> colour{{63, {0xAB, 0xCD, 0xEF}}};
        QCOMPARE(liveWrites(rig), colour);
        QCOMPARE(rig.find<QWidget>("lbl_Col3")->toolTip(), QString("#ABCDEF"));
    }

    void mcuLedCardWritesTheHeaderAndHandsItToTheFirmware() {
        WindowRig rig;
        rig.mouse.loadEeprom(presetImage({{kLedByte, 0x81}}));
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Breath_1");
        QVERIFY(shown(rig, "Img_MCULEDStep_1"));
        QVERIFY(!shown(rig, "lbl_MCULEDNote"));
        rig.click("Img_MCULEDStep_3");
        QCOMPARE(rig.mouse.eeprom()[kMcuStep], std::uint8_t{5});  // step index 2 as 7 - 2
        QCOMPARE(rig.mouse.xdata(0x07C4), std::uint8_t{5});
        QVERIFY(rig.checked("Img_MCULEDStep_3"));
        QVERIFY(!rig.checked("Img_MCULEDStep_4"));

        rig.click("lbl_MCULED6Control");  // half brightness: bit 7 clear
        QCOMPARE(rig.mouse.eeprom()[kMcuBrightness] & 0x80, 0);
        QCOMPARE(rig.mouse.xdata(0x07C5), rig.mouse.eeprom()[kMcuBrightness]);
        QVERIFY(rig.checked("Img_MCULED6Control"));
        rig.click("Img_MCULED3Control");
        QCOMPARE(rig.mouse.eeprom()[kMcuBrightness] & 0x80, 0x80);
        QCOMPARE(rig.mouse.eeprom()[kMcuStep], std::uint8_t{5});  // the step stays
    }

    void mcuLedCardIsEmptyForOtherTypes() {
        WindowRig rig;
        rig.mouse.loadEeprom(presetImage({{kLedByte, 0x05}}));
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Breath_1");
        QVERIFY(!shown(rig, "Img_MCULEDStep_1"));
        QVERIFY(shown(rig, "lbl_MCULEDNote"));
    }

    void refusedWriteShowsWhatTheMouseHolds() {
        WindowRig rig;
        rig.mouse.loadEeprom(presetImage({{kLedByte, 0x81}, {kModeMask, 0xFE}}));
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Breath_1");
        const QString before = rig.find<QWidget>("lbl_Col1")->toolTip();
        rig.window->setColourChooser(
            [](const QColor&) -> std::optional<QColor> { return QColor(1, 2, 3); });
        rig.mouse.refuseCommands(true);
        rig.click("lbl_Col1");
        QCOMPARE(rig.find<QWidget>("lbl_Col1")->toolTip(), before);
        QVERIFY(rig.window->statusText().contains("did not reach the mouse"));
        rig.click("lbl_LED2");
        rig.click("Img_MCULEDStep_8");
        rig.mouse.refuseCommands(false);
        QVERIFY(rig.checked("rb_LED1"));
        QVERIFY(!rig.checked("rb_LED2"));
        QCOMPARE(rig.mouse.eeprom()[kLedByte], std::uint8_t{0x81});
        QVERIFY(!rig.checked("Img_MCULEDStep_8"));
    }
};

}  // namespace gm::ui::testing

QTEST_MAIN(gm::ui::testing::LightPageTest)
#include "light_page_test.moc"
