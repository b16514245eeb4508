// The update page's operations on the virtual mouse: Load BIN and Program, and restoring a
// backup from its dialog. Each case checks the bytes the virtual mouse holds afterwards and what
// the status line says.

#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

#include "ui/support/operations_rig.h"

namespace gm::ui::testing {

class UpdatePageTest final : public QObject {
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

int runUpdatePageTests(int argc, char** argv) {
    UpdatePageTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

#include "update_page_test.moc"
