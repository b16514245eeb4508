// The chord dialog (TForm2) from the key menu's "User-defined", on the virtual mouse: keys from
// real key presses in Edt_Assembly, the modifier boxes, Clear, Confirm by click and by Enter on
// it, the chord pushed to the mouse's key table; profile 1's last Left Click opens nothing; the
// key page is dimmed while the dialog is open.

#include <QLineEdit>
#include <QTabWidget>

#include "ui/pages/keys/check_toggle.h"
#include "ui/support/key_rig.h"

namespace gm::ui::testing {

namespace {

QWidget* chordDialog(const WindowRig& rig) {
    return rig.find<QWidget>("TForm2");
}

QLineEdit* chordField(const WindowRig& rig) {
    return rig.find<QLineEdit>("Edt_Assembly");
}

// Opens the chord dialog from key label (or engineering button) `button`.
bool openChord(WindowRig& rig, const char* button) {
    rig.click(button);
    return clickEntry(rig, "Pnl_Main", "Key_Assembly");
}

void press(const WindowRig& rig, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(chordField(rig), key, modifiers);
}

}  // namespace

class ChordDialogTest final : public QObject {
    Q_OBJECT
private slots:
    void aThirdKeyStartsAgainAndTheChordReachesTheMouse() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openChord(rig, "Key3"));
        QVERIFY(chordDialog(rig)->isVisible());
        QVERIFY(rig.find<QWidget>("Disable_All_1")->isVisible());
        press(rig, Qt::Key_A);
        QCOMPARE(chordField(rig)->text(), QString("A"));
        press(rig, Qt::Key_B);
        QCOMPARE(chordField(rig)->text(), QString("A+B"));
        press(rig, Qt::Key_C);
        QCOMPARE(chordField(rig)->text(), QString("C"));
        rig.click("IB_Confirm");
        QVERIFY(!chordDialog(rig)->isVisible());
        QVERIFY(!rig.find<QWidget>("Disable_All_1")->isVisible());
        QCOMPARE(mouseKeyText(rig, 1, 3), QString("02000600"));
        QCOMPARE(rig.find<QAbstractButton>("Key3")->text(), QString("C"));
    }

    void theBoxesGiveTheModifiersAndHeldOnesTakeNoKey() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openChord(rig, "Key4"));
        // Tab (Shift+Tab in the field) goes through the boxes to the buttons.
        QCOMPARE(chordField(rig)->nextInFocusChain(), rig.find<QWidget>("CB_Ctrl"));
        QCOMPARE(rig.find<QWidget>("CB_Win")->nextInFocusChain(), rig.find<QWidget>("IB_Confirm"));
        press(rig, Qt::Key_A);
        rig.click("CB_Ctrl");
        QCOMPARE(chordField(rig)->text(), QString("Ctrl+A"));
        QCOMPARE(chordDialog(rig)->focusWidget(), chordField(rig));  // back in the field
        rig.click("CB_Ctrl");
        QCOMPARE(chordField(rig)->text(), QString("A"));
        rig.click("CB_Alt");
        rig.click("CB_Shift");
        QCOMPARE(chordField(rig)->text(), QString("Shift+Alt+A"));
        // Keys pressed with a modifier held, the modifier keys and the Windows keys are not
        // keys of the chord; Enter and Tab in the field are, and close nothing.
        press(rig, Qt::Key_B, Qt::ControlModifier);
        press(rig, Qt::Key_C, Qt::ShiftModifier);
        press(rig, Qt::Key_Meta);
        press(rig, Qt::Key_Super_R);
        QCOMPARE(chordField(rig)->text(), QString("Shift+Alt+A"));
        press(rig, Qt::Key_Return);
        QCOMPARE(chordField(rig)->text(), QString("Shift+Alt+A+Enter"));
        press(rig, Qt::Key_Tab);
        QCOMPARE(chordField(rig)->text(), QString("Shift+Alt+Tab"));
        QVERIFY(chordDialog(rig)->isVisible());

        // Clear empties the field and the boxes; Escape closes without a change.
        rig.click("IB_Cancel");
        QVERIFY(chordField(rig)->text().isEmpty());
        QVERIFY(!rig.find<CheckToggle>("CB_Shift")->isOn());
        press(rig, Qt::Key_F5);
        QCOMPARE(chordField(rig)->text(), QString("F5"));
        press(rig, Qt::Key_Escape);
        QVERIFY(!chordDialog(rig)->isVisible());
        QCOMPARE(mouseKeyText(rig, 1, 4), QString("01020000"));

        // Opened again, it starts empty.
        QVERIFY(openChord(rig, "Key4"));
        QVERIFY(chordField(rig)->text().isEmpty());
        QVERIFY(!rig.find<CheckToggle>("CB_Alt")->isOn());
    }

    void winAloneConfirmedWithEnterOnConfirm() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openChord(rig, "Key5"));
        rig.click("CB_Win");
        QCOMPARE(chordField(rig)->text(), QString("Win"));
        auto* confirm = rig.find<QWidget>("IB_Confirm");
        confirm->setFocus(Qt::TabFocusReason);
        QTest::keyClick(confirm, Qt::Key_Return);
        QVERIFY(!chordDialog(rig)->isVisible());
        QCOMPARE(mouseKeyText(rig, 1, 5), QString("02080000"));
        QCOMPARE(rig.find<QAbstractButton>("Key5")->text(), QString("Win"));
    }

    void profileOnesLastLeftClickOpensNothing() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openChord(rig, "Key1"));
        QVERIFY(rig.window->findChild<QWidget*>("TForm2") == nullptr ||
                !chordDialog(rig)->isVisible());
        QVERIFY(!rig.find<QWidget>("Disable_All_1")->isVisible());
        QVERIFY(rig.window->statusText().contains("keeps at least one Left Click"));

        // Profile 2 has no such rule.
        rig.window->pageButtonClicked(Page::Profile2);
        QVERIFY(openChord(rig, "Key1"));
        press(rig, Qt::Key_Space);
        rig.click("IB_Confirm");
        QCOMPARE(mouseKeyText(rig, 2, 1), QString("02002C00"));
    }

    void anEngineeringButtonGetsItsProfileKeyWithoutDimming() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.window->setEngineeringView(true);
        rig.window->pageButtonClicked(Page::Engineering);
        rig.find<QTabWidget>("PageControl_Eng")->setCurrentWidget(rig.find<QWidget>("ts_Keys"));
        QVERIFY(openChord(rig, "btn_Key307"));
        QVERIFY(!rig.find<QWidget>("Disable_All_1")->isVisible());
        rig.click("CB_Ctrl");
        press(rig, Qt::Key_Z);
        rig.click("IB_Confirm");
        QCOMPARE(mouseKeyText(rig, 3, 7), QString("02011D00"));
        QCOMPARE(rig.find<QAbstractButton>("btn_Key307")->text(), QString("Ctrl+Z"));
    }
};

int runChordDialogTests(int argc, char** argv) {
    ChordDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

#include "chord_dialog_test.moc"
