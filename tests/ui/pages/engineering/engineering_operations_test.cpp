// The engineering page's operations on the virtual mouse: the macro imports, one-step patch
// programming and Default, and the XDATA group. Each case checks the bytes the virtual mouse
// holds afterwards and what the status line says.

#include <QLineEdit>
#include <QTest>

#include "ui/support/operations_rig.h"

namespace gm::ui::testing {

namespace {

// The engineering page with its first tab shown, as after the access gesture.
void openEngineering(WindowRig& rig) {
    rig.window->setEngineeringView(true);
    rig.click("Btn_Engineer_1");
}

}  // namespace

class EngineeringOperationsTest final : public QObject {
    Q_OBJECT

private slots:
    void importBaseMacrosWritesTheMacroArea() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(rig.connect());
        Files files;
        std::vector<std::uint8_t> macros(kMacroAreaSize);
        for (std::size_t i = 0; i < macros.size(); ++i)
            macros[i] = static_cast<std::uint8_t>(0xA0 ^ i);
        const QString path = files.write("macros.bin", macros);
        MainWindow::FileDialog asked = MainWindow::FileDialog::SaveProfile;
        rig.window->setFileChooser([&](MainWindow::FileDialog kind) {
            asked = kind;
            return path;
        });
        openEngineering(rig);
        QVERIFY(rig.find("Btn_ImportBaseMacro")->isVisible());
        rig.click("Btn_ImportBaseMacro");
        QVERIFY(asked == MainWindow::FileDialog::BaseMacros);
        QVERIFY(holds(rig.mouse.eeprom(), kMacroArea, macros));
        QVERIFY(rig.window->statusText().contains(kDone));
    }

    void patchCodeProgramsAtOnceAndDefaultKeepsItWhileClearingTheMacros() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(rig.connect());
        Files files;
        const auto patch = patchFile(600);
        const QString patchPath = files.write("patch.bin", patch);
        const QString macroPath = files.write("macros.bin", std::vector<std::uint8_t>(512, 0x5A));
        rig.window->setFileChooser([&](MainWindow::FileDialog kind) {
            return kind == MainWindow::FileDialog::PatchCode ? patchPath : macroPath;
        });
        openEngineering(rig);
        rig.click("Btn_PatchCode");
        QVERIFY(holds(rig.mouse.eeprom(), kPatchCode, patch, 16));
        rig.click("Btn_ImportBaseMacro");
        QCOMPARE(rig.mouse.eeprom()[kMacroArea + 100], std::uint8_t{0x5A});

        rig.click("Btn_Default");
        const image::Image eeprom = rig.mouse.eeprom();
        QVERIFY(holds(eeprom, kPatchCode, patch, 16));
        QVERIFY(eeprom[kMacroArea + 100] != 0x5A);
        QVERIFY(rig.window->statusText().contains(kDone));
    }

    void xdataWriteThenRead() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(rig.connect());
        openEngineering(rig);
        auto* address = rig.find<QLineEdit>("edt_XDataAddr");
        auto* value = rig.find<QLineEdit>("edt_XDataValue");
        // Hex only, four digits at most, shown in upper case.
        QTest::keyClicks(address, "12xab9");
        QCOMPARE(address->text(), QString("12AB"));
        QTest::keyClicks(value, "5c7");
        QCOMPARE(value->text(), QString("5C"));

        rig.click("btn_XDataWrite");
        QCOMPARE(rig.mouse.xdata(0x12AB), std::uint8_t{0x5C});
        QVERIFY(rig.window->statusText().contains("12AB := 5C"));

        rig.mouse.setXdata(0x12AB, 0x07);
        value->clear();
        rig.click("btn_XDataRead");
        QCOMPARE(value->text(), QString("07"));
        QVERIFY(rig.window->statusText().contains("12AB = 07"));

        // A mouse that does not answer: the old value is not left standing as the answer.
        rig.mouse.refuseDataFrom(1);
        rig.click("btn_XDataRead");
        QVERIFY(value->text().isEmpty());
        QVERIFY(!rig.window->statusText().contains("12AB = "));
        QVERIFY(!rig.messages.empty());
        rig.mouse.clearFaults();

        // Without an address nothing is sent.
        address->clear();
        rig.mouse.clearReports();
        rig.click("btn_XDataRead");
        rig.click("btn_XDataWrite");
        QVERIFY(rig.mouse.reports().empty());
    }

    void changeXDataNamesTheWritesTheMouseRefused() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(rig.connect());
        openEngineering(rig);
        rig.mouse.refuseCommands(true);
        rig.click("btn_ChangeXData");
        rig.mouse.refuseCommands(false);
        const QString status = rig.window->statusText();
        QVERIFY2(status.contains("7241, 7242, 7243"), qPrintable(status));
        QVERIFY(!status.contains(kDone));
        QCOMPARE(rig.mouse.xdata(0x7242), std::uint8_t{0});

        rig.click("btn_ChangeXData");
        QCOMPARE(rig.mouse.xdata(0x7241), std::uint8_t{1});
        QCOMPARE(rig.mouse.xdata(0x7242), std::uint8_t{6});
        QCOMPARE(rig.mouse.xdata(0x7243), std::uint8_t{1});
        QVERIFY(rig.window->statusText().contains(kDone));
    }
};

}  // namespace gm::ui::testing

QTEST_MAIN(gm::ui::testing::EngineeringOperationsTest)
#include "engineering_operations_test.moc"
