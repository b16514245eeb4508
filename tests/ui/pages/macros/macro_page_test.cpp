// The Macro page on the virtual mouse: a right-click selects and opens the list's popup; new,
// rename and delete through TForm3; Add to Mouse writes the two halves; the device delete moves a
// later macro's button along; a key menu pick of a device macro names the key by it.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "buttons/assignment.h"
#include "image/files/file_io.h"
#include "macro_page_rig.h"
#include "macros/body_scan.h"
#include "macros/macro_code.h"
#include "macros/macro_name.h"
#include "macros/pc_macros.h"

namespace gm::ui::testing {

namespace {

// Types `name` into the open TForm3 and confirms it.
void nameIt(WindowRig& rig, const QString& name) {
    auto* dialog = rig.find<QWidget>("TForm3");
    QTRY_VERIFY(dialog->isVisible());
    auto* field = dialog->findChild<QLineEdit*>("Edt_MacroName");
    field->selectAll();
    // Qt Test types only ASCII; other text goes in as an input method would put it.
    if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 128; }))
        QTest::keyClicks(field, name);
    else
        field->insert(name);
    QTest::mouseClick(dialog->findChild<QAbstractButton*>("IB_Confirm"), Qt::LeftButton);
}

// The block writes the mouse received since its record was last cleared: address, length.
std::vector<std::pair<int, int>> blockWrites(const WindowRig& rig) {
    std::vector<std::pair<int, int>> writes;
    for (const auto& report : gm::testing::commandReports(rig.mouse, device::command::kBlockWrite))
        writes.emplace_back(report[2] << 8 | report[3], report[4] << 8 | report[5]);
    return writes;
}

const Bytes kJump{0x82, 0x2C, 0xFE, 0x00, 0x32, 0x02, 0x2C, 0x00};

}  // namespace

class MacroPageTest final : public QObject {
    Q_OBJECT
private slots:
    void aRightClickSelectsTheItemUnderThePointerAndOpensThePopupThere() {
        WindowRig rig;
        giveMouseMacros(rig, {record("Stored", {0x00})});
        QVERIFY(rig.connect());
        giveLibrary(rig, {record("One", {0x00}), record("Two", kJump), record("Three", {0x00})});
        showMacroPage(rig);
        auto* pcList = rig.find<QListWidget>("LB_PCMacroName");
        auto* deviceList = rig.find<QListWidget>("LB_MacroName");
        QCOMPARE(rows(pcList), (QStringList{"One", "Two", "Three"}));

        QTest::mouseClick(deviceList->viewport(), Qt::LeftButton, {}, rowCentre(deviceList, 0));
        QCOMPARE(selected(deviceList), 0);
        const QPoint at = rowCentre(pcList, 1);
        rightClick(pcList, at);
        QCOMPARE(selected(pcList), 1);
        QCOMPARE(selected(deviceList), -1);  // the other list lets go
        auto* popup = rig.find<QWidget>("Pnl_PCMacro");
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->pos(), rig.window->mapFromGlobal(pcList->viewport()->mapToGlobal(at)));
        // The selected macro's events, as lines.
        QCOMPARE(rows(rig.find<QListWidget>("LB_macro")),
                 (QStringList{"Space bar", "50 ms", "Space bar"}));

        // Below the last item: no selection, the entries that need one are off.
        rightClick(pcList, QPoint(20, pcList->viewport()->height() - 4));
        QCOMPARE(selected(pcList), -1);
        QVERIFY(!popup->findChild<QAbstractButton*>("Btn_NewName")->isEnabled());
        QVERIFY(popup->findChild<QAbstractButton*>("Btn_NewMacro")->isEnabled());
        // Near the window's bottom the popup opens upwards, inside the window.
        QVERIFY(popup->geometry().bottom() <= rig.window->height());
        QVERIFY(popup->y() < rig.window
                                 ->mapFromGlobal(pcList->viewport()->mapToGlobal(
                                     QPoint(20, pcList->viewport()->height() - 4)))
                                 .y());
        // A press anywhere else hides it.
        QTest::mouseClick(rig.find<QWidget>("LB_macro"), Qt::LeftButton);
        QVERIFY(!popup->isVisible());

        rightClick(deviceList, rowCentre(deviceList, 0));
        QCOMPARE(selected(deviceList), 0);
        QVERIFY(rig.find<QWidget>("Pnl_DevMacro")->isVisible());
        QVERIFY(!popup->isVisible());
    }

    void newRenameAndDeleteGoThroughTheNameDialogIntoTheMacroFile() {
        WindowRig rig;
        QVERIFY(rig.connect());
        showMacroPage(rig);
        auto* pcList = rig.find<QListWidget>("LB_PCMacroName");
        rig.click("Btn_New");
        auto* field = rig.find<QLineEdit>("Edt_MacroName");
        QTest::keyClicks(field, "Reload123");
        QCOMPARE(field->text(), QString("Reload12"));  // 8 characters at most
        nameIt(rig, "Reload");
        QCOMPARE(rows(pcList), QStringList{"Reload"});
        QCOMPARE(selected(pcList), 0);

        rightClick(pcList, rowCentre(pcList, 0));
        QTest::mouseClick(rig.find<QAbstractButton>("Btn_NewName"), Qt::LeftButton);
        QCOMPARE(rig.find<QLineEdit>("Edt_MacroName")->text(), QString("Reload"));
        nameIt(rig, "Reload");  // its own name: a duplicate
        QVERIFY(rig.shown("Str106"));
        rightClick(pcList, rowCentre(pcList, 0));
        QTest::mouseClick(rig.find<QAbstractButton>("Btn_NewName"), Qt::LeftButton);
        nameIt(rig, "宏一");
        QCOMPARE(rows(pcList), QStringList{"宏一"});
        const auto stored = macros::storeOfBytes(image::files::readFile(rig.macroFile()).bytes);
        QCOMPARE(macros::decodeMacroName(stored.records[0].name), std::string("宏一"));

        rig.click("btn_Delete");
        QVERIFY(rows(pcList).isEmpty());
        QVERIFY(macros::listedRecords(
                    macros::storeOfBytes(image::files::readFile(rig.macroFile()).bytes))
                    .empty());
    }

    void addToMouseWritesTheKeyTablesAndBothHalves() {
        WindowRig rig;
        QVERIFY(rig.connect());
        selectOnlyPcMacro(rig, record("Jump", kJump));
        rig.mouse.clearReports();
        rig.click("Btn_Add_Mouse");
        QCOMPARE(blockWrites(rig),
                 (std::vector<std::pair<int, int>>{{192, 147}, {496, 256}, {752, 256}}));
        const image::Image eeprom = rig.mouse.eeprom();
        const image::MacroName jump = macros::encodeMacroName("Jump");
        QVERIFY(std::equal(jump.begin(), jump.end(), eeprom.begin() + kMacroArea));
        QVERIFY(std::equal(kJump.begin(), kJump.end(), eeprom.begin() + kMacroArea + 16));
        QCOMPARE(rows(rig.find<QListWidget>("LB_MacroName")), QStringList{"Jump"});
        QCOMPARE(rig.find<QLabel>("lbl_MacroAreaUsed")->text(), QString("24 of 512 bytes used"));
        // The same name again: refused, nothing written.
        auto* pcList = rig.find<QListWidget>("LB_PCMacroName");
        QTest::mouseClick(pcList->viewport(), Qt::LeftButton, {}, rowCentre(pcList, 0));
        rig.mouse.clearReports();
        rig.click("Btn_Add_Mouse");
        QVERIFY(rig.shown("Str106"));
        QVERIFY(blockWrites(rig).empty());
    }

    void aDeviceDeleteMovesTheButtonOfALaterMacroAlong() {
        WindowRig rig;
        giveMouseMacros(rig, {record("First", kJump), record("Second", {0xA1, 0x21, 0x00})});
        QVERIFY(rig.connect());
        // Key4 of profile 1 runs Second (at 0x200 + 24), Key5 runs First.
        QVERIFY(
            buttons::assignEngineeringKey(rig.workspace, {0, 3}, macros::macroKeyCode(0x218)).ok());
        QVERIFY(
            buttons::assignEngineeringKey(rig.workspace, {0, 4}, macros::macroKeyCode(0x200)).ok());
        showMacroPage(rig);
        auto* deviceList = rig.find<QListWidget>("LB_MacroName");
        QCOMPARE(rows(deviceList), (QStringList{"First", "Second"}));
        rightClick(deviceList, rowCentre(deviceList, 0));
        QTest::mouseClick(rig.find<QAbstractButton>("Btn_DelMacro"), Qt::LeftButton);
        QCOMPARE(rows(deviceList), QStringList{"Second"});
        QCOMPARE(mouseKeyText(rig, 1, 4), QString("10020000"));
        QCOMPARE(mouseKeyText(rig, 1, 5), QString("00000000"));
        rig.click("Btn_Main_1");
        QCOMPARE(rig.find<QAbstractButton>("Key4")->text(), QString("Second"));
    }

    void aBaseMacroPickNamesTheKeyByTheMacro() {
        WindowRig rig;
        giveMouseMacros(rig, {record("Reload", kJump), record("Grenade", {0x00})});
        QVERIFY(rig.connect());
        rig.click("Key4");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Macro"));
        QVERIFY(clickEntry(rig, "Pnl_Macro", "Macro2"));
        QCOMPARE(mouseKeyText(rig, 1, 4), QString("10021800"));
        QCOMPARE(rig.find<QAbstractButton>("Key4")->text(), QString("Grenade"));
        rig.click("Btn_Switch_1");
        rig.click("Key2");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Macro"));
        QVERIFY(clickEntry(rig, "Pnl_Macro", "Macro1"));
        QCOMPARE(mouseKeyText(rig, 2, 2), QString("10020000"));
        QCOMPARE(rig.find<QAbstractButton>("Key2")->text(), QString("Reload"));
    }

    void aRefusedReportInTheSecondHalfShowsWhatTheMouseHolds() {
        WindowRig rig;
        QVERIFY(rig.connect());
        selectOnlyPcMacro(rig, record("Jump", kJump));
        rig.mouse.refuseOneData(21 + 37 + 3);
        rig.click("Btn_Add_Mouse");
        QVERIFY(rig.shown("second half of the macro area"));
        const image::Image eeprom = rig.mouse.eeprom();
        QVERIFY(std::equal(eeprom.begin() + kMacroArea, eeprom.begin() + kMacroArea + 512,
                           rig.workspace.model().copies.macroArea.begin()));
    }
};

int runMacroPageTests(int argc, char** argv) {
    MacroPageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return gm::ui::testing::runMacroPageTests(argc, argv);
}

#include "macro_page_test.moc"
