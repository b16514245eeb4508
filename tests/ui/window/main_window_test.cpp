// The main window on the virtual mouse: overlays, page button guards, the profile pages' bytes,
// clicks during a transfer, a profile switched on the mouse, and profile files.

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <optional>
#include <string>

#include "image/factory_images.h"
#include "image/layout.h"
#include "ui/support/window_rig.h"

namespace gm::ui::testing {

namespace {

constexpr std::size_t kUser = 164;

image::settings::ProgramSettings gunDisplayOnly() {
    image::settings::ProgramSettings settings;
    settings.gunDisplay = true;
    settings.buttonEffect = false;
    return settings;
}

}  // namespace

class MainWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void overlaysCoverThePagesUntilTheImageIsRead() {
        WindowRig rig;
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!rig.find(qPrintable(QString("Disable_All_%1").arg(i)))->isHidden());
        QVERIFY(rig.connect());
        for (int i = 1; i <= 5; ++i)
            QVERIFY(rig.find(qPrintable(QString("Disable_All_%1").arg(i)))->isHidden());
        QVERIFY(rig.find("gbPage1")->isVisible());
        QVERIFY(rig.find("Pnl_NoDevice")->isHidden());
        QVERIFY(rig.window->statusText().contains("4210A"));
    }

    void aPageBuiltOnItsFirstShowingIsCoveredAndSpeaksTheCurrentLanguage() {
        WindowRig rig;
        QVERIFY(rig.window->findChild<QWidget*>("Pnl_Light") == nullptr);
        rig.window->setLanguage(2);
        rig.window->showPage(Page::Light);
        QVERIFY(rig.window->findChild<QWidget*>("Pnl_Light") != nullptr);
        QCOMPARE(rig.find<QLabel>("lbl_Slow")->text(),
                 QString::fromStdString(rig.texts.text("Str813")));
        // Until the image is read, the overlay lies over the page built after it.
        QWidget* overlay = rig.find("Disable_All_3");
        QVERIFY(!overlay->isHidden());
        QCOMPARE(rig.find("gbPage3")->childAt(overlay->geometry().center()), overlay);
    }

    void aWindowThatIsNeverPaintedStillFindsTheMouse() {
        // The first poll waits for the first paint, but a hidden window polls after the grace.
        WindowRig hidden;
        hidden.window->hide();
        QVERIFY(hidden.connect());
    }

    void aPageButtonWithoutAMouseSaysItIsLookedFor() {
        WindowRig rig({}, /*attached=*/false);
        rig.window->startPolling();
        QTRY_VERIFY(!rig.find("Pnl_NoDevice")->isHidden());
        // Every line of the page is readable: no wrapped text is cut off, in either language.
        for (int language : {1, 2}) {
            rig.window->setLanguage(language);
            QApplication::processEvents();
            for (QLabel* label : rig.find("Pnl_NoDevice")->findChildren<QLabel*>()) {
                if (label->isVisible() && label->wordWrap())
                    QVERIFY(label->height() >= label->heightForWidth(label->width()));
            }
        }
        rig.window->setLanguage(1);
        rig.click("Btn_Adv_1");
        QVERIFY(rig.shown("Str022"));
        QVERIFY(rig.shown("Finding the specified device"));
        QVERIFY(rig.checked("rb_1"));
        QVERIFY(!rig.checked("rb_4"));
        QVERIFY(!rig.checked("Btn_Adv_1"));
    }

    void pageButtonsDoNothingOnTheErrorPage() {
        WindowRig rig;
        rig.mouse.setBadIdentify(true);
        rig.window->startPolling();
        QTRY_VERIFY(rig.shown("RDXM421xData.bin file type error"));
        QVERIFY(rig.workspace.session().hasDevice());
        QVERIFY(rig.workspace.session().errorPage());
        QVERIFY(!rig.find("Pnl_NoDevice")->isHidden());
        rig.messages.clear();
        rig.click("Btn_Macro_1");
        QVERIFY(rig.messages.empty());
        QVERIFY(rig.checked("rb_1"));
        QVERIFY(!rig.find("gbPage4")->isVisible());
    }

    void profilePagesMakeTheirProfileActive() {
        WindowRig rig(gunDisplayOnly());
        QVERIFY(rig.connect());
        rig.mouse.clearReports();

        // Game Mode with GD_Enable and no button effect: User 3 = 4 and User 0 = 0xF1, whatever
        // colour the profile had.
        rig.workspace.model().copies.user[0] = 0x50;
        rig.click("Btn_Switch_1");
        // User 3, 4, 5, 6 and 0, then the User check byte.
        QCOMPARE(rig.commandsSeen(device::command::kLiveWrite), 6);
        image::Image eeprom = rig.mouse.eeprom();
        QCOMPARE(eeprom[kUser + 3], 4);
        QCOMPARE(eeprom[kUser + 4], 15);
        QCOMPARE(eeprom[kUser + 6], 0x18);
        QCOMPARE(eeprom[kUser + 0], 0xF1);
        QVERIFY(rig.checked("rb_2"));
        QVERIFY(rig.checked("Btn_Switch_1"));

        // Third Mode with colour item 3: User 0 = 0x32.
        rig.workspace.model().copies.user[0] = 0x31;
        rig.click("Btn_Fixed_1");
        eeprom = rig.mouse.eeprom();
        QCOMPARE(eeprom[kUser + 0], 0x32);
        QCOMPARE(eeprom[kUser + 3], 0);
        QVERIFY(rig.checked("rb_3"));

        // The other pages write nothing.
        rig.mouse.clearReports();
        rig.click("Btn_Adv_1");
        rig.click("Btn_Update_1");
        QVERIFY(rig.checked("rb_7"));
        QCOMPARE(rig.commandsSeen(device::command::kLiveWrite), 0);
    }

    void clicksDuringALongTransferSendNothingAndTheTransferCompletes() {
        WindowRig rig(gunDisplayOnly());
        QVERIFY(rig.connect());
        QTemporaryDir temp;
        const std::filesystem::path target = temp.filePath("kept.bin").toStdString();
        rig.window->setFileChooser(
            [&](MainWindow::FileDialog) { return QString::fromStdString(target.string()); });
        // Halfway through the read, a click on a profile page and one on Advanced arrive.
        bool clicked = false;
        QObject::connect(&rig.presenter, &QtPresenter::progressShown, [&](int chunk, int chunks) {
            if (clicked || chunk < chunks / 2)
                return;
            clicked = true;
            QTimer::singleShot(0, [&] {
                rig.click("Btn_Switch_1");
                rig.click("Btn_Adv_1");
            });
        });
        rig.mouse.clearReports();
        rig.click("Btn_SaveProfile_1");

        QVERIFY(clicked);
        QCOMPARE(rig.commandsSeen(device::command::kLiveWrite), 0);
        QCOMPARE(rig.commandsSeen(device::command::kBlockRead), 1);
        QVERIFY(std::filesystem::exists(target));
        QCOMPARE(std::filesystem::file_size(target), std::uintmax_t{image::kImageSize});
        QVERIFY(!rig.checked("rb_2"));
        QVERIFY(rig.checked("rb_4"));
        // The save wrote a file, not the mouse, and the status names it.
        QVERIFY(rig.window->statusText().contains("Save Profile: saved to " +
                                                  QString::fromStdString(target.string())));
        QVERIFY(!rig.window->statusText().contains("written to the mouse"));
        QVERIFY(rig.messages.empty());
    }

    void aProfilePageRefusedByTheBusyGuardStaysWhereItWas() {
        WindowRig rig(gunDisplayOnly());
        QVERIFY(rig.connect());
        rig.mouse.clearReports();
        // Another operation (not a whole-image read) is calling out to the window.
        const auto operation = rig.workspace.guard().tryEnter();
        QVERIFY(operation.has_value());
        rig.workspace.guard().callOut([&] { rig.click("Btn_Switch_1"); });
        QCOMPARE(rig.commandsSeen(device::command::kLiveWrite), 0);
        QVERIFY(rig.checked("rb_1"));
        QVERIFY(!rig.checked("Btn_Switch_1"));
        QVERIFY(rig.window->statusText().contains("nothing was sent"));
    }

    void aProfileSwitchedOnTheMouseShowsItsPageWithoutWriting() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(rig.checked("rb_1"));
        rig.mouse.clearReports();
        rig.mouse.press(device::StatusButton::Profile);
        const int profile = rig.mouse.currentProfile() & 0x0F;
        QVERIFY(profile >= 0 && profile <= 2);
        const char* radios[] = {"rb_1", "rb_2", "rb_3"};
        QTRY_VERIFY(rig.checked(radios[profile]) && profile != 0);
        QCOMPARE(rig.commandsSeen(device::command::kLiveWrite), 0);
        QCOMPARE(rig.commandsSeen(device::command::kBlockWrite), 0);
    }

    void statusButtonsTickTheirTestBoxUntilTheReleaseIsHandled() {
        WindowRig rig;
        QVERIFY(rig.connect());
        bool sawTicked = false;
        auto* box = rig.find<QCheckBox>("cb_CPIITest");
        QObject::connect(box, &QCheckBox::toggled, [&](bool on) { sawTicked |= on; });
        const int levelBefore = rig.mouse.currentLevel();
        rig.mouse.press(device::StatusButton::CpiUp);
        QTRY_VERIFY(sawTicked);
        // The release is handled: the box is cleared again and the others never moved.
        QTRY_VERIFY(!box->isChecked());
        QVERIFY(!rig.find<QCheckBox>("cb_CPITest")->isChecked());
        QVERIFY(!rig.find<QCheckBox>("cb_ProfileTest")->isChecked());
        QVERIFY(rig.mouse.currentLevel() != levelBefore);
        // Only the mouse ticks it: a click passes through.
        QVERIFY(box->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void aProfileFileWithoutItsMarkerIsRefusedAndNothingIsWritten() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QTemporaryDir temp;
        const std::filesystem::path file = temp.filePath("no-marker.bin").toStdString();
        std::ofstream(file, std::ios::binary) << std::string(image::kImageSize, '\0');
        rig.window->setFileChooser(
            [&](MainWindow::FileDialog) { return QString::fromStdString(file.string()); });
        rig.mouse.clearReports();
        rig.click("Btn_LoadProfile_1");
        QVERIFY(rig.shown("Loading .bin is error!"));
        QCOMPARE(rig.messages.size(), std::size_t{1});  // one box, with the reason
        QVERIFY(rig.messages.front().text.contains("byte 495"));
        QCOMPARE(rig.commandsSeen(device::command::kBlockWrite), 0);
        QVERIFY(rig.window->statusText().contains("Loading .bin is error!"));
        QVERIFY(!rig.window->statusText().contains("written to the mouse"));
    }

    void unpluggingShowsTheNoDevicePageAndRepluggingBringsThePagesBack() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.click("Btn_Adv_1");
        rig.mouse.unplug();
        QTRY_VERIFY(!rig.find("Pnl_NoDevice")->isHidden());
        QVERIFY(rig.shown("Str100"));
        QVERIFY(rig.shown("Waiting for the device reconnect"));
        QVERIFY(!rig.find("gbPage2")->isVisible());
        QVERIFY(!rig.find("Disable_All_2")->isHidden());
        QVERIFY(!rig.window->statusText().contains("4210A"));

        rig.mouse.plugIn();
        QTRY_VERIFY(rig.workspace.session().imageRead());
        QTRY_VERIFY(rig.find("Pnl_NoDevice")->isHidden());
        QVERIFY(rig.find("gbPage2")->isVisible());
        QVERIFY(rig.find("Disable_All_2")->isHidden());
        QVERIFY(rig.checked("rb_4"));
    }

    void aMouseThatMayNotBeOpenedNamesTheUdevRule() {
        WindowRig rig;
        rig.mouse.denyOpen("/dev/hidraw3: permission denied");
        rig.window->startPolling();
        QTRY_VERIFY(!rig.find("Pnl_NoDevice")->isHidden());
        const auto* problem = rig.find<QLabel>("lbl_NoDeviceProblem");
        QVERIFY(!problem->isHidden());
        QVERIFY(problem->text().contains("70-gmouse.rules"));
        QVERIFY(problem->text().contains("/dev/hidraw3"));
    }

    void switchingLanguageKeepsThePage() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.click("Btn_Macro_1");
        rig.click("Btn_Lang2");
        QVERIFY(rig.checked("rb_6"));
        QVERIFY(rig.find("gbPage4")->isVisible());
        QCOMPARE(rig.find<QAbstractButton>("Btn_Macro_1")->text(),
                 QString::fromStdString(rig.texts.text("Str014")));
        QCOMPARE(rig.texts.language(), text::Language::Chinese);
        QVERIFY(rig.checked("Btn_Lang2"));
        QVERIFY(!rig.checked("Btn_Lang1"));
    }

    void doubleClicksOnTheLogoAndTheSixthBackgroundCountTogether() {
        WindowRig rig;
        QVERIFY(rig.connect());
        int asked = 0;
        std::optional<std::string> answer;  // cancelled
        rig.window->setPasswordPrompt([&] {
            ++asked;
            return answer;
        });
        QWidget* logo = rig.find("Img_Logo");
        QWidget* background = rig.find("Img_Base_6");
        for (int i = 0; i < 4; ++i)
            QTest::mouseDClick(logo, Qt::LeftButton);
        QCOMPARE(asked, 0);
        QTest::mouseDClick(background, Qt::LeftButton);
        QCOMPARE(asked, 1);
        for (int i = 0; i < 4; ++i)
            QTest::mouseDClick(background, Qt::LeftButton);
        QCOMPARE(asked, 1);
        // The tenth, on the logo: the recorder's code typed there only unlocks; nothing shows.
        answer = std::string(image::settings::kFireRecorderCode);
        QTest::mouseDClick(logo, Qt::LeftButton);
        QCOMPARE(asked, 2);
        QVERIFY(rig.find("Btn_Engineer_1")->isHidden());
        // Unlocked: the next logo double-click runs the hide step without asking.
        QTest::mouseDClick(logo, Qt::LeftButton);
        QCOMPARE(asked, 2);
        QVERIFY(rig.find("Btn_Engineer_1")->isHidden());

        // Through the sixth background the code shows the recorder's controls (here a stand-in
        // for the fire macro page's start button); the next double-click there hides them.
        auto* start = new QWidget(rig.find("gbPage5"));
        start->setObjectName("Btn_FireStart");
        for (int i = 0; i < 5; ++i)
            QTest::mouseDClick(background, Qt::LeftButton);
        QCOMPARE(asked, 3);
        QVERIFY(!start->isHidden());
        QTest::mouseDClick(background, Qt::LeftButton);
        QCOMPARE(asked, 3);
        QVERIFY(start->isHidden());
    }

    void theFifthLogoDoubleClickAsksForTheCodeThatShowsTheEngineeringPage() {
        WindowRig rig;
        QVERIFY(rig.connect());
        int asked = 0;
        rig.window->setPasswordPrompt([&]() -> std::optional<std::string> {
            ++asked;
            return std::string(image::settings::kEngineeringCode);
        });
        QWidget* logo = rig.find("Img_Logo");
        QVERIFY(rig.find("Btn_Engineer_1")->isHidden());
        for (int i = 0; i < 4; ++i)
            QTest::mouseDClick(logo, Qt::LeftButton);
        QCOMPARE(asked, 0);
        QVERIFY(rig.find("Btn_Engineer_1")->isHidden());
        QTest::mouseDClick(logo, Qt::LeftButton);
        QCOMPARE(asked, 1);
        QVERIFY(!rig.find("Btn_Engineer_1")->isHidden());

        rig.click("Btn_Engineer_1");
        QVERIFY(rig.checked("rb_8"));
        QVERIFY(rig.find("gbPage7")->isVisible());
        QVERIFY(rig.find("ts_Engineer") != nullptr);
        QCOMPARE(rig.window->size(), QSize(1256, 680));

        // Once unlocked, the gesture hides the view again, without asking.
        QTest::mouseDClick(logo, Qt::LeftButton);
        QCOMPARE(asked, 1);
        QVERIFY(rig.find("Btn_Engineer_1")->isHidden());
        QVERIFY(rig.checked("rb_1"));
        QCOMPARE(rig.window->size(), QSize(980, 620));
    }

    void aFactoryImageWithoutABackupFolderIsRefusedAndNeverShownAsDone() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.mouse.clearReports();
        rig.click("Btn_Confirm2_1");
        QCOMPARE(rig.commandsSeen(device::command::kBlockWrite), 0);
        QVERIFY(!rig.messages.empty());
        QVERIFY(!rig.window->statusText().contains("Confirm 2: written to the mouse"));
        QVERIFY(rig.window->statusText().contains("Confirm 2: Could not keep a backup"));
    }

    void aFactoryImageIsWrittenAndTheMouseReadBack() {
        WindowRig rig;
        QTemporaryDir backups;
        rig.workspace.setBackupFolder(backups.path().toStdString());
        QVERIFY(rig.connect());
        rig.click("Btn_Confirm3_1");
        QCOMPARE(rig.commandsSeen(device::command::kBlockWrite), 1);
        QVERIFY(rig.mouse.eeprom() == image::factoryImage(image::ChipType::Chip4210A, 3));
        QVERIFY(rig.workspace.session().imageRead());
        QVERIFY(rig.find("Pnl_NoDevice")->isHidden());
        QVERIFY(rig.window->statusText().contains("Confirm 3: written to the mouse"));
        QVERIFY(rig.window->statusText().contains("a backup of the previous settings was kept"));
        QCOMPARE(rig.questions.size(), std::size_t{1});
        QVERIFY(rig.questions[0].contains("factory preset 3"));
    }

    void aProfileForTheOtherChipIsWrittenOnlyWhenTheUserSaysSo() {
        WindowRig rig;
        QTemporaryDir backups;
        rig.workspace.setBackupFolder(backups.path().toStdString());
        QVERIFY(rig.connect());
        // Patch code longer than the 4210A's area: made for no chip this mouse could be.
        image::Image other = image::factoryImage(image::ChipType::Chip4210A, 2);
        other[image::kPatchHeader.offset + 2] = 0x04;  // length 04xx
        QTemporaryDir folder;
        const QString path = folder.filePath("other.bin");
        QVERIFY(rig.files.write(path.toStdString(), other).empty());
        rig.window->setFileChooser([&](MainWindow::FileDialog) { return path; });
        const image::Image before = rig.mouse.eeprom();

        rig.answer = false;
        rig.click("Btn_LoadProfile_1");
        QCOMPARE(rig.questions.size(), std::size_t{1});
        QVERIFY(rig.questions[0].contains("other.bin") && rig.questions[0].contains("4210A"));
        QVERIFY(rig.messages.empty());  // the question said it: no second box
        QVERIFY(rig.mouse.eeprom() == before);

        rig.answer = true;
        rig.click("Btn_LoadProfile_1");
        QVERIFY(rig.mouse.eeprom() == other);
        QVERIFY(rig.window->statusText().contains("a backup of the previous settings was kept"));
    }

    void anOpenMessageDoesNotHoldUpTheConnection() {
        WindowRig rig({}, false);
        rig.presenter.setMessageSink({});  // the real dialog
        // Closes what is left open, so a blocking dialog fails the test instead of hanging it.
        QTimer::singleShot(3000, [] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (qobject_cast<QDialog*>(top) != nullptr)
                    top->close();
            }
        });
        rig.click("Btn_Adv_1");  // no mouse yet: "Finding the specified device"
        auto* message = rig.window->findChild<QDialog*>();
        QVERIFY(message != nullptr && message->isVisible());
        rig.bus.attach(rig.mouse);
        QVERIFY(rig.connect());  // read while the message is still open
        QVERIFY(message->isVisible());
        message->close();
    }

    void aDeclinedPresetWritesNothing() {
        WindowRig rig;
        QTemporaryDir backups;
        rig.workspace.setBackupFolder(backups.path().toStdString());
        QVERIFY(rig.connect());
        const image::Image before = rig.mouse.eeprom();
        rig.mouse.clearReports();
        rig.answer = false;
        for (const char* preset : {"Btn_Reset_1", "Btn_Confirm2_1", "Btn_Confirm3_1"})
            rig.click(preset);
        QCOMPARE(rig.questions.size(), std::size_t{3});
        QCOMPARE(rig.commandsSeen(device::command::kBlockWrite), 0);
        QVERIFY(rig.mouse.eeprom() == before);
        QVERIFY(!rig.window->statusText().contains("written to the mouse"));
    }

    void theTopBarDragsTheWindowAndMaximiseUsesTheAvailableArea() {
        WindowRig rig;
        MainWindow& window = *rig.window;
        // The pointer lands on the skinned frame, which covers the window.
        QWidget* frame = rig.find("Img_Base_1");
        window.move(100, 100);
        const QPoint before = window.pos();
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(500, 20));
        QTest::mouseMove(frame, QPoint(540, 50));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(540, 50));
        QCOMPARE(window.pos(), before + QPoint(40, 30));

        // A press below the top bar does not drag.
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(500, 300));
        QTest::mouseMove(frame, QPoint(520, 320));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(520, 320));
        QCOMPARE(window.pos(), before + QPoint(40, 30));

        const QPoint placed = window.geometry().topLeft();
        rig.click("Btn_Maximize");
        QCOMPARE(window.geometry(), window.screen()->availableGeometry());
        QCOMPARE(rig.find("Img_Base_1")->size(), QSize(980, 620));
        rig.click("Btn_Maximize");
        QCOMPARE(window.size(), QSize(980, 620));
        QCOMPARE(window.geometry().topLeft(), placed);  // back where it was

        // A double-click on the top bar does the same; below it, nothing.
        QTest::mouseDClick(frame, Qt::LeftButton, {}, QPoint(500, 300));
        QCOMPARE(window.size(), QSize(980, 620));
        QTest::mouseDClick(frame, Qt::LeftButton, {}, QPoint(500, 20));
        QCOMPARE(window.geometry(), window.screen()->availableGeometry());
        QTest::mouseDClick(frame, Qt::LeftButton, {}, QPoint(500, 20));
        QCOMPARE(window.size(), QSize(980, 620));
    }

    void coreFailuresAreSaidInTheWindowsLanguage() {
        WindowRig rig;
        device::Result failed;
        failed.failure = device::Failure::TransferIncomplete;
        failed.step = device::Step::WriteImage;
        failed.refused = 2;
        failed.reports = 40;
        failed.backup = 3;
        const device::Message message = device::messageOf(failed);
        // English: the core's own text, the step and what the mouse holds included.
        QCOMPARE(rig.presenter.textOf(message), QString::fromStdString(message.text));
        QVERIFY(rig.presenter.textOf(message).contains("writing the image"));

        rig.click("Btn_Lang2");
        const QString chinese = rig.presenter.textOf(message);
        QVERIFY(chinese.contains(QString::fromUtf8("写入配置")));
        QVERIFY(chinese.contains(QString::fromUtf8("备份 3")));
        QVERIFY(chinese.contains("2") && chinese.contains("40"));
        QVERIFY(!chinese.contains("writing") && !chinese.contains("refused"));
        // The language tables' own texts still win.
        QCOMPARE(rig.presenter.textOf(device::messages::kDeviceNotFound),
                 QString::fromStdString(rig.texts.text("Str022")));
    }

    void aCancelledFileDialogDoesNothing() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.window->setFileChooser([](MainWindow::FileDialog) { return QString(); });
        rig.mouse.clearReports();
        rig.click("Btn_LoadProfile_1");
        rig.click("Btn_SaveProfile_1");
        QVERIFY(rig.mouse.reports().empty());
        QVERIFY(rig.messages.empty());
    }
};

int runMainWindowTests(int argc, char** argv) {
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

#include "main_window_test.moc"
