// The gun-preset page on the virtual mouse: opened from the key menu's "Fire Macro" entry,
// filled from the records, edits clamped into the records, Confirm writing the preset's code
// and the sequence; the engineering gun sheet's list and offsets.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include "image/files/file_io.h"
#include "macros/fire_stages.h"
#include "support/seen_commands.h"
#include "ui/support/key_rig.h"

namespace gm::ui::testing {

namespace {

image::settings::ProgramSettings gunSettings() {
    image::settings::ProgramSettings settings;
    settings.gunDisplay = true;
    settings.gun6Count = 2;
    settings.gun7Count = 3;
    return settings;
}

QString text(const WindowRig& rig, const char* name) {
    return rig.find<QLineEdit>(name)->text();
}

void type(WindowRig& rig, const char* name, const QString& value) {
    auto* edit = rig.find<QLineEdit>(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, value);
}

// Opens the gun-preset page from key `key` of the Game Mode page.
bool openGunPage(WindowRig& rig, const char* key) {
    rig.window->pageButtonClicked(Page::Profile2);
    rig.click(key);
    return clickEntry(rig, "Pnl_Main", "Key_FireMacro") &&
           rig.find<QWidget>("gbPage6")->isVisible();
}

}  // namespace

class GunPageTest final : public QObject {
    Q_OBJECT
private slots:
    void theMenuEntryOpensThePageOnPresetOne() {
        WindowRig rig(gunSettings());
        QVERIFY(rig.connect());
        rig.mouse.clearReports();
        QVERIFY(openGunPage(rig, "Key4"));
        QVERIFY(rig.checked("Btn_Fire1"));
        // The User section was read again as the page opened; nothing was written.
        QCOMPARE(rig.commandsSeen(device::command::kLiveRead), 1);
        QCOMPARE(rig.commandsSeen(device::command::kBlockWrite), 0);
        const auto& record = rig.workspace.model().copies.fireMacroRecords[0];
        const auto stage = macros::readStage(rig.workspace.model(), 0);
        QCOMPARE(text(rig, "Edt_FireCnt1"), QString::number(stage.values.count));
        QCOMPARE(text(rig, "Edt_FireTime1"), QString::number(stage.values.delay));
        QVERIFY(!record.empty());
        QVERIFY(!rig.find<QWidget>("Edt_FireCnt2")->isVisible());
    }

    void presetSevenShowsThreeStagesFromItsRecords() {
        WindowRig rig(gunSettings());
        QVERIFY(rig.connect());
        QVERIFY(openGunPage(rig, "Key4"));
        rig.click("Btn_Fire7");
        QVERIFY(rig.find<QWidget>("Edt_FireCnt3")->isVisible());
        for (int s = 0; s < 3; ++s) {
            const auto stage = macros::readStage(rig.workspace.model(), 7 + std::size_t(s));
            const QByteArray field = QString("Edt_FireY%1").arg(s + 1).toLatin1();
            QCOMPARE(text(rig, field.constData()), QString::number(stage.values.y));
        }
    }

    void editsAreClampedIntoTheRecordAndSentOnlyByConfirm() {
        WindowRig rig(gunSettings());
        QVERIFY(rig.connect());
        QVERIFY(openGunPage(rig, "Key4"));
        rig.click("Btn_Fire6");
        rig.mouse.clearReports();
        type(rig, "Edt_FireX1Offset", "20");
        type(rig, "Edt_FireX1", "120");
        QCOMPARE(text(rig, "Edt_FireX1"), QString("107"));
        type(rig, "Edt_FireCnt1", "300");
        QCOMPARE(text(rig, "Edt_FireCnt1"), QString("255"));
        QCOMPARE(static_cast<int>(gm::testing::commandReports(rig.mouse).size()), 0);
        const auto stage = macros::readStage(rig.workspace.model(), 5);
        QCOMPARE(stage.values.x, 107);
        QCOMPARE(stage.values.xOffset, 20);

        // Keep-left, then Confirm on Game Mode: the key gets 0B150200 and the sequence runs.
        rig.click("lbl_FireSelLeft");
        rig.click("Btn_FireConfirm");
        QVERIFY(!rig.find<QWidget>("gbPage6")->isVisible());
        QCOMPARE(mouseKeyText(rig, 2, 4), QString("0B150200"));
        const image::Image eeprom = rig.mouse.eeprom();
        QCOMPARE(int(eeprom[164 + 7 + 5]), 20);
        const auto& record = rig.workspace.model().copies.fireMacroRecords[5];
        QVERIFY(std::equal(record.begin(), record.end(), eeprom.begin() + 1808 + 5 * 24));
        const auto blocks = gm::testing::commandReports(rig.mouse, device::command::kBlockWrite);
        QCOMPARE(static_cast<int>(blocks.size()), 4);  // User, profiles, fire keys, tail
        QCOMPARE(rig.find<QAbstractButton>("Key4")->text(), QString("5.56 Fire"));
    }

    void cancelLeavesWithoutAnAssignment() {
        WindowRig rig(gunSettings());
        QVERIFY(rig.connect());
        const QString before = mouseKeyText(rig, 2, 5);
        QVERIFY(openGunPage(rig, "Key5"));
        rig.click("Btn_Fire2");
        rig.click("Btn_FireExit");
        QVERIFY(!rig.find<QWidget>("gbPage6")->isVisible());
        QCOMPARE(mouseKeyText(rig, 2, 5), before);
        QCOMPARE(rig.commandsSeen(device::command::kBlockWrite), 0);
    }

    void aRefusedStepIsSaidAndTheKeyShowsWhatTheMouseHolds() {
        WindowRig rig(gunSettings());
        QVERIFY(rig.connect());
        const QString before = mouseKeyText(rig, 2, 4);
        rig.window->pageButtonClicked(Page::Profile2);
        const QString label = rig.find<QAbstractButton>("Key4")->text();
        QVERIFY(openGunPage(rig, "Key4"));
        rig.mouse.refuseOneData(1);  // the User section's first report, after the colours
        rig.click("Btn_FireConfirm");
        QVERIFY2(rig.window->statusText().contains("writing the User section"),
                 qPrintable(rig.window->statusText()));
        QCOMPARE(mouseKeyText(rig, 2, 4), before);
        QCOMPARE(rig.find<QAbstractButton>("Key4")->text(), label);
        // No later step was sent.
        QCOMPARE(rig.commandsSeen(device::command::kBlockWrite), 1);
    }

    void theGunSheetKeepsTheListInItsFile() {
        WindowRig rig(gunSettings());
        QVERIFY(rig.connect());
        rig.window->setEngineeringView(true);
        rig.window->showPage(Page::Engineering);
        auto* tabs = rig.find<QTabWidget>("PageControl_Eng");
        tabs->setCurrentWidget(rig.find<QWidget>("ts_Gun"));
        const std::filesystem::path file = rig.macroFile().parent_path() / "Fire Macro.bin";
        QVERIFY(!std::filesystem::exists(file));

        rig.find<QComboBox>("cb_SOSNumber")->setCurrentIndex(2);
        rig.click("btn_AddScript");
        rig.find<QComboBox>("cb_SOSType")->setCurrentIndex(1);
        rig.find<QComboBox>("cb_SOSColor")->setCurrentIndex(10);
        rig.click("btn_AddScript");
        auto* list = rig.find<QListWidget>("LB_ScriptName");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QString("Fire Macro2"));
        QCOMPARE(static_cast<int>(std::filesystem::file_size(file)), 40);

        // Selecting loads the code back into the selectors.
        list->setCurrentRow(0);
        QCOMPARE(rig.find<QComboBox>("cb_SOSType")->currentIndex(), 0);
        QCOMPARE(rig.find<QComboBox>("cb_SOSLB")->currentIndex(), 1);
        QCOMPARE(rig.find<QComboBox>("cb_SOSNumber")->currentIndex(), 2);
        list->setCurrentRow(1);
        QCOMPARE(rig.find<QComboBox>("cb_SOSType")->currentIndex(), 1);
        QCOMPARE(rig.find<QComboBox>("cb_SOSColor")->currentText(), QString("User Color"));

        // The key captions name fire-macro codes from the list while it exists.
        list->setCurrentRow(0);
        rig.click("btn_DelScript");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QString("Fire Macro1"));
        const auto bytes = image::files::readFile(file, 64).bytes;
        QCOMPARE(static_cast<int>(bytes.size()), 40);
        QCOMPARE(int(bytes[1]), 0x8F);
        QCOMPARE(int(bytes[4]), 0);
    }

    void theEngineeringOffsetsAreOneByteWrites() {
        WindowRig rig(gunSettings());
        QVERIFY(rig.connect());
        rig.window->setEngineeringView(true);
        rig.window->showPage(Page::Engineering);
        rig.find<QTabWidget>("PageControl_Eng")->setCurrentWidget(rig.find<QWidget>("ts_Gun"));
        rig.mouse.clearReports();
        type(rig, "edt_YOffset3", "-");
        QCOMPARE(static_cast<int>(gm::testing::liveWrites(rig.mouse).size()), 0);
        QTest::keyClicks(rig.find<QLineEdit>("edt_YOffset3"), "200");
        QCOMPARE(text(rig, "edt_YOffset3"), QString("-128"));
        const auto writes = gm::testing::liveWrites(rig.mouse);
        QVERIFY(!writes.empty());
        QCOMPARE(writes.back(), (gm::testing::LiveWrite{164 + 17 + 2, {0x80}}));
        QCOMPARE(int(rig.mouse.eeprom()[164 + 17 + 2]), 0x80);
    }
};

}  // namespace gm::ui::testing

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gm::ui::testing::GunPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "gun_page_test.moc"
