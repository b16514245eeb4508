// The session operations on their controls, on the virtual mouse: the update page's Load BIN and
// Program, the engineering imports and XDATA group, and restoring a backup from its dialog. Each
// case checks the bytes the virtual mouse holds afterwards and what the status line says.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "image/factory_images.h"
#include "window_rig.h"

namespace gm::ui::testing {

namespace {

constexpr std::size_t kPatchHeader = 1008;
constexpr std::size_t kPatchCode = 1024;
constexpr std::size_t kPatchArea4210A = 784;
constexpr std::size_t kMacroArea = 496;
constexpr std::size_t kMacroAreaSize = 512;
constexpr const char* kDone = "written to the mouse";

// A patch file for the 4210A: a header giving `length`, then the whole patch area.
std::vector<std::uint8_t> patchFile(std::uint16_t length) {
    std::vector<std::uint8_t> bytes{0,
                                    0,
                                    static_cast<std::uint8_t>(length >> 8),
                                    static_cast<std::uint8_t>(length & 0xFF),
                                    0,
                                    0,
                                    0,
                                    0,
                                    1,
                                    2,
                                    3,
                                    4,
                                    5,
                                    6,
                                    7,
                                    8};
    for (std::size_t i = 0; i < kPatchArea4210A; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 7 + 3));
    return bytes;
}

struct Files {
    QTemporaryDir temp;
    QString write(const char* name, const std::vector<std::uint8_t>& bytes) {
        const QString path = temp.filePath(name);
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }
};

bool holds(const image::Image& eeprom, std::size_t offset, const std::vector<std::uint8_t>& bytes,
           std::size_t from = 0) {
    return std::equal(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(),
                      eeprom.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The engineering page with its first tab shown, as after the access gesture.
void openEngineering(WindowRig& rig) {
    rig.window->setEngineeringView(true);
    rig.click("Btn_Engineer_1");
}

// Whole-image writes and patch programming keep a backup first, as in the editor.
struct KeptBackups {
    explicit KeptBackups(WindowRig& rig) {
        rig.workspace.setBackupFolder(dir.path().toStdString());
    }
    QTemporaryDir dir;
};

}  // namespace

class OperationsTest final : public QObject {
    Q_OBJECT

private slots:
    void updatePageProgramsTheLoadedPatchFileAndForgetsItWhenReopened() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(rig.connect());
        Files files;
        const auto bytes = patchFile(700);
        const QString path = files.write("patch.bin", bytes);
        rig.window->setFileChooser([&](MainWindow::FileDialog kind) {
            return kind == MainWindow::FileDialog::UpdateFile ? path : QString();
        });
        int progress = 0;
        QObject::connect(&rig.presenter, &QtPresenter::progressShown, [&] { ++progress; });

        rig.click("Btn_Update_1");
        QVERIFY(!rig.find("Btn_Program")->isEnabled());
        rig.click("Btn_LoadBIN");
        QVERIFY(rig.find<QLabel>("lbl_LoadBIN")->toolTip() == path);
        QVERIFY(rig.find("Btn_Program")->isEnabled());
        rig.click("Btn_Program");

        const image::Image eeprom = rig.mouse.eeprom();
        QVERIFY(holds(eeprom, kPatchCode, bytes, 16));
        QCOMPARE(eeprom[kPatchHeader], std::uint8_t{0x04});
        QCOMPARE(eeprom[kPatchHeader + 5], std::uint8_t{0x1A});
        QVERIFY(holds(eeprom, kPatchHeader + 8, {1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(rig.mouse.restartCount(), 1);
        QVERIFY(progress > 0);
        QVERIFY(rig.window->statusText().contains(kDone));

        // Another page and back: the file is forgotten and Program has nothing to write.
        rig.click("Btn_Adv_1");
        rig.click("Btn_Update_1");
        QVERIFY(rig.find<QLabel>("lbl_LoadBIN")->toolTip().isEmpty());
        QVERIFY(!rig.find("Btn_Program")->isEnabled());
    }

    void aRefusedPatchFileSaysWhyAndLoadsNothing() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(rig.connect());
        Files files;
        // More patch code than the 784-byte area holds.
        const QString path = files.write("long.bin", patchFile(900));
        rig.window->setFileChooser([&](MainWindow::FileDialog) { return path; });
        rig.click("Btn_Update_1");
        rig.mouse.clearReports();
        rig.click("Btn_LoadBIN");
        QVERIFY(!rig.messages.empty());
        QVERIFY(!rig.find("Btn_Program")->isEnabled());
        QVERIFY(!rig.window->statusText().contains(kDone));
        QVERIFY(rig.mouse.reports().empty());
    }

    void aRefusedDataReportDuringProgramNamesTheStepAndIsNotShownAsDone() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(rig.connect());
        Files files;
        const QString path = files.write("patch.bin", patchFile(700));
        rig.window->setFileChooser([&](MainWindow::FileDialog) { return path; });
        rig.click("Btn_Update_1");
        rig.click("Btn_LoadBIN");
        // Halfway through the patch code's 112 reports the mouse starts refusing them.
        constexpr int kPatchCodeReports = (kPatchArea4210A + 6) / 7;
        QObject::connect(&rig.presenter, &QtPresenter::progressShown, [&](int chunk, int chunks) {
            if (chunks == kPatchCodeReports && chunk == chunks / 2)
                rig.mouse.refuseDataFrom(1);
        });
        rig.click("Btn_Program");
        const QString status = rig.window->statusText();
        QVERIFY2(status.contains("writing the patch code"), qPrintable(status));
        QVERIFY(!status.contains(kDone));
        QVERIFY(rig.shown("writing the patch code"));
        rig.mouse.clearFaults();
    }

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

    void restoringABackupFromTheDialogGivesTheOldImageBack() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(rig.connect());
        const image::Image original = rig.mouse.eeprom();

        // A loaded profile replaces the image and keeps a backup of the old one.
        Files files;
        image::Image other = original;
        for (std::size_t i = kMacroArea; i < kMacroArea + 64; ++i)
            other[i] = static_cast<std::uint8_t>(i);
        const QString path = files.write("other.bin", {other.begin(), other.end()});
        rig.window->setFileChooser([&](MainWindow::FileDialog) { return path; });
        rig.click("Btn_LoadProfile_1");
        QVERIFY(rig.mouse.eeprom() == other);

        rig.click("Btn_Update_1");
        rig.click("Btn_Backups");
        auto* dialog = rig.window->findChild<QDialog*>("dlgBackups");
        QVERIFY(dialog != nullptr && dialog->isVisible());
        auto* list = dialog->findChild<QTreeWidget*>("lst_Backups");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(1), QString("load"));

        // Declined: nothing is written.
        QStringList asked;
        bool answer = false;
        rig.window->setConfirmation([&](const QString& question) {
            asked << question;
            return answer;
        });
        rig.mouse.clearReports();
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("Btn_Restore"), Qt::LeftButton);
        QCOMPARE(asked.size(), 1);
        QVERIFY(rig.mouse.reports().empty());

        answer = true;
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("Btn_Restore"), Qt::LeftButton);
        QVERIFY(rig.mouse.eeprom() == original);
        QVERIFY(rig.window->statusText().contains(kDone));
        // The image the restore replaced is kept in turn, listed first.
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(1), QString("restore"));
        dialog->close();
    }
};

}  // namespace gm::ui::testing

QTEST_MAIN(gm::ui::testing::OperationsTest)
#include "operations_test.moc"
