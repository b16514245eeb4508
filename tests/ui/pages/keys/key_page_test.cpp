// The key page's side card on the virtual mouse: the fire-key fields are corrected as the user
// types and when the field is left, and every button holding the set follows on the mouse; the
// AIM bar spreads its level into the AIM buttons or asks for one; a gesture toggle needs its
// button. The captions follow the profile page shown.

#include <QLabel>
#include <QLineEdit>

#include "ui/pages/keys/check_toggle.h"
#include "ui/support/key_rig.h"

namespace gm::ui::testing {

namespace {

// Types `text` into the field over what it held, then leaves it with Enter.
void typeAndLeave(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

std::array<std::uint8_t, 3> fireArea(const WindowRig& rig, std::size_t set) {
    const image::Image eeprom = rig.mouse.eeprom();
    const std::size_t at = kFireKeyArea + 2 + set * 3;
    return {eeprom[at], eeprom[at + 1], eeprom[at + 2]};
}

}  // namespace

class KeyPageTest final : public QObject {
    Q_OBJECT
private slots:
    void repeatIsCorrectedWhileTypingAndOnLeaving() {
        WindowRig rig;
        QVERIFY(rig.connect());
        auto* repeat = rig.find<QLineEdit>("Edt_Repeat1");
        repeat->setFocus();
        repeat->selectAll();
        QTest::keyClicks(repeat, "16");
        QCOMPARE(repeat->text(), QString("15"));  // at once
        QTest::keyClick(repeat, Qt::Key_Return);
        // Key3 holds Fire Key1 (continue on): it follows the set on the mouse.
        QCOMPARE(mouseKeyText(rig, 1, 3), QString("069E003C"));
        QCOMPARE((fireArea(rig, 0)), (std::array<std::uint8_t, 3>{14, 0x00, 0x3C}));

        repeat->setFocus();
        repeat->selectAll();
        QTest::keyClicks(repeat, "1");
        QCOMPARE(repeat->text(), QString("1"));  // left alone while typing
        QTest::keyClick(repeat, Qt::Key_Return);
        QCOMPARE(repeat->text(), QString("2"));
        QCOMPARE(mouseKeyText(rig, 1, 3), QString("0691003C"));
        QCOMPARE(rig.find<QAbstractButton>("Key3")->text(), QString("Fire Key1"));

        typeAndLeave(repeat, "x7");  // letters never reach the field
        QCOMPARE(repeat->text(), QString("7"));
    }

    void intervalIsKeptBetweenOneAnd4094() {
        WindowRig rig;
        QVERIFY(rig.connect());
        auto* interval = rig.find<QLineEdit>("Edt_DelayTime1");
        interval->setFocus();
        interval->selectAll();
        QTest::keyClicks(interval, "5000");
        QCOMPARE(interval->text(), QString("4094"));
        QTest::keyClick(interval, Qt::Key_Return);
        QCOMPARE((fireArea(rig, 0)), (std::array<std::uint8_t, 3>{2, 0x0F, 0xFE}));
        QCOMPARE(mouseKeyText(rig, 1, 3), QString("06920FFE"));

        typeAndLeave(interval, "0");
        QCOMPARE(interval->text(), QString("1"));
        QCOMPARE(mouseKeyText(rig, 1, 3), QString("06920001"));
        // An emptied field means 1 too.
        interval->setFocus();
        interval->selectAll();
        QTest::keyClick(interval, Qt::Key_Backspace);
        QTest::keyClick(interval, Qt::Key_Return);
        QCOMPARE(interval->text(), QString("1"));
    }

    void theContinueToggleRewritesOnlyTheContinueBit() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.click("lbl_Fire1Continue");
        QCOMPARE(mouseKeyText(rig, 1, 3), QString("0612003C"));
        QCOMPARE((fireArea(rig, 0)), (std::array<std::uint8_t, 3>{2, 0x00, 0x3C}));
        rig.click("lbl_Fire1Continue");
        QCOMPARE(mouseKeyText(rig, 1, 3), QString("0692003C"));
    }

    void theAimBarSpreadsItsLevelOrAsksForAnAimKey() {
        WindowRig rig;
        QVERIFY(rig.connect());
        auto* bar = rig.find<QWidget>("Bar_AIM");
        const image::Image before = rig.mouse.eeprom();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->rect().center());
        QVERIFY(rig.shown("Str105"));  // the default tables hold no AIM key
        // Nothing was stored, and the status does not claim a write.
        QVERIFY(rig.mouse.eeprom() == before);
        QVERIFY(rig.window->statusText().contains("AIM Key: nothing was changed"));
        QVERIFY(!rig.window->statusText().contains("written to the mouse"));

        rig.click("Key12");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Special"));
        QVERIFY(clickEntry(rig, "Pnl_Special", "Tag1000"));
        QCOMPARE(mouseKeyText(rig, 1, 12), QString("05000000"));
        // The third segment: level 3, 600 CPI.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2 * 20 + 8, bar->height() / 2));
        QCOMPARE(mouseKeyText(rig, 1, 12), QString("05020000"));
        QCOMPARE(rig.find<QLabel>("lbl_AIMDPIValue")->text(), QString("600 CPI"));
    }

    void aGestureToggleNeedsItsButtonOnTheShownProfile() {
        WindowRig rig;
        QVERIFY(rig.connect());
        const std::size_t combo4 = image::kVendor.offset + kComboKeys + 3 * 4;
        // Hold middle: Key7 is Middle Click on the defaults.
        rig.click("IB_ComboKey2");
        QVERIFY(rig.find<CheckToggle>("IB_ComboKey2")->isOn());
        QCOMPARE(mouseKeyText(rig, 1, 7), QString("01040008"));
        QCOMPARE(rig.mouse.eeprom()[combo4], std::uint8_t{0x07});
        // Hold DPI Up on profile 3, whose Key6 is Desktop and which has no DPI Up button.
        rig.window->pageButtonClicked(Page::Profile3);
        const QString before = mouseKeyText(rig, 3, 6);
        rig.click("IB_ComboKey4");
        QCOMPARE(mouseKeyText(rig, 3, 6), before);
    }

    void captionsFollowTheProfilePageShown() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QCOMPARE(rig.find<QAbstractButton>("Key6")->text(), QString("DPI Up"));
        rig.window->pageButtonClicked(Page::Profile3);
        QCOMPARE(rig.find<QAbstractButton>("Key6")->text(), QString("Desktop"));
        QCOMPARE(rig.find<QAbstractButton>("Key9")->text(), QString("LED Switch"));
        rig.window->setLanguage(2);
        QCOMPARE(rig.find<QAbstractButton>("Key9")->text(),
                 QString::fromStdString(rig.texts.text("Str262")));
    }
};

int runKeyPageTests(int argc, char** argv) {
    KeyPageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

#include "key_page_test.moc"
