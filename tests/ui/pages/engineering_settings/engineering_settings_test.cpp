// The engineering page's settings sheets on the virtual mouse: each case changes controls by
// their object names as a user would (choosing an item, typing) and checks the bytes the mouse
// holds afterwards, then what the sheets show after a change made elsewhere or refused.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "image/check_byte.h"
#include "image/hex_text.h"
#include "image/image_model.h"
#include "image/layout.h"
#include "settings/cpi_levels.h"
#include "settings/device_options.h"
#include "settings/image_state.h"
#include "settings/led_lighting.h"
#include "ui/host/page_events.h"
#include "ui/pages/engineering_settings/sheet_texts.h"
#include "ui/support/window_rig.h"

namespace gm::ui::testing {

namespace {

constexpr std::size_t kUser = 164;

// The rig connected as gmouse connects (each image read sets the LED type, package and report
// rate kept beside the image), with the engineering page shown as after the access gesture.
bool openEngineering(WindowRig& rig) {
    settings::followImageReads(rig.workspace);
    if (!rig.connect())
        return false;
    rig.window->setEngineeringView(true);
    rig.window->showPage(Page::Engineering);
    return true;
}

// Picks an item as the user does: the combo shows it and reports the activation.
void choose(WindowRig& rig, const char* name, int index) {
    auto* combo = rig.find<QComboBox>(name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Replaces the edit's text by typing `text`, one key at a time.
void type(WindowRig& rig, const char* name, const QString& text) {
    auto* edit = rig.find<QLineEdit>(name);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Brings a tab sheet to the front, as a click on its tab does.
void showSheet(WindowRig& rig, const char* name) {
    rig.find<QTabWidget>("PageControl_Eng")->setCurrentWidget(rig.find(name));
}

// Whole-image writes (an LED type's defaults) keep a backup first, as in the editor.
struct KeptBackups {
    explicit KeptBackups(WindowRig& rig) {
        rig.workspace.setBackupFolder(dir.path().toStdString());
    }
    QTemporaryDir dir;
};

std::uint8_t held(WindowRig& rig, std::size_t address) {
    return rig.mouse.eeprom()[address];
}

}  // namespace

// Gives button 6 of profile 1 the plain switch to Game Mode (07 81 00 00) on the mouse; returns
// the image address of its code.
std::size_t presetGameModeSwitch(WindowRig& rig) {
    image::Image eeprom = rig.mouse.eeprom();
    const std::size_t key = image::kProfile1.offset + 5 * 4;
    const std::array<std::uint8_t, 4> toGameMode{0x07, 0x81, 0x00, 0x00};
    std::copy(toGameMode.begin(), toGameMode.end(), eeprom.begin() + std::ptrdiff_t(key));
    image::setCheckByte(
        std::span(eeprom).subspan(image::kProfile1.offset, image::kProfile1.length));
    rig.mouse.loadEeprom(eeprom);
    return key;
}

// Types the profile-switch offset and leaves the field, as a user does.
void typeOffset(WindowRig& rig, const char* hex) {
    auto* edit = rig.find<QLineEdit>("edt_OffSet");
    edit->setText(hex);
    emit edit->editingFinished();
}

class EngineeringSettingsTest final : public QObject {
    Q_OBJECT

private slots:
    void levelCountAndValueReachTheMouseWithTheirPairs() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        // Level 3 shares Vendor 45 with level 4 (high nibble): both must survive.
        choose(rig, "cb_CPI4", 11);
        choose(rig, "cb_CPI3", 2);
        QCOMPARE(held(rig, 45), std::uint8_t{0xB2});
        QCOMPARE(rig.find<QComboBox>("cb_CPI4")->currentIndex(), 11);

        showSheet(rig, "ts_Cpi");
        choose(rig, "cb_CPISteps", 0);
        QCOMPARE(held(rig, settings::kLevelCountAddress), std::uint8_t{0});
        auto* current = rig.find<QComboBox>("cb_CurrentCPI");
        QCOMPARE(current->count(), 1);
        QCOMPARE(current->itemText(0), QString("CPI1"));
        QVERIFY(rig.find("cb_CPI1")->isVisible());
        QVERIFY(!rig.find("cb_CPI2")->isVisible());
        QVERIFY(!rig.find("edt_CPI2R")->isVisible());

        choose(rig, "cb_CPISteps", 7);
        choose(rig, "cb_CurrentCPI", 7);
        QCOMPARE(held(rig, kUser + 2), std::uint8_t{7});
    }

    void levelAndUserColoursClampTo255AndKeepTheOtherComponents() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        // Level 2's colour is green: 00 FF 00 at Vendor 90..92.
        type(rig, "edt_CPI2R", "300");
        QCOMPARE(rig.find<QLineEdit>("edt_CPI2R")->text(), QString("255"));
        QCOMPARE(held(rig, 90), std::uint8_t{0xFF});
        QCOMPARE(held(rig, 91), std::uint8_t{0xFF});
        QCOMPARE(held(rig, 92), std::uint8_t{0x00});

        const std::size_t colour4 = settings::kUserColoursAddress + 9;
        const std::uint8_t red = held(rig, colour4);
        const std::uint8_t green = held(rig, colour4 + 1);
        type(rig, "edt_Col4B", "17");
        QCOMPARE(held(rig, colour4 + 2), std::uint8_t{17});
        QCOMPARE(held(rig, colour4), red);
        QCOMPARE(held(rig, colour4 + 1), green);
        // Digits only: letters never reach the edit.
        type(rig, "edt_Col4B", "x");
        QCOMPARE(rig.find<QLineEdit>("edt_Col4B")->text(), QString("17"));
    }

    void ledTypeLoadsItsDefaultsAndShowsItsControls() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(openEngineering(rig));
        showSheet(rig, "ts_Led");
        // Each type loads its defaults into the whole image: its LED byte and offered modes.
        choose(rig, "cb_LEDMode", static_cast<int>(settings::LedType::Zk));
        QCOMPARE(held(rig, kUser + 1), std::uint8_t{0xF5});
        QCOMPARE(held(rig, 42), std::uint8_t{0x37});
        QCOMPARE(rig.find<QComboBox>("cb_LEDMode")->currentIndex(),
                 static_cast<int>(settings::LedType::Zk));
        QVERIFY(rig.find("cb_LEDNum")->isVisible());
        QVERIFY(!rig.find("cb_MCULEDNum")->isVisible());
        QCOMPARE(rig.find<QComboBox>("cb_LEDNum")->currentIndex(), 7);
        QCOMPARE(rig.find<QComboBox>("cb_BreMode")->currentIndex(), 4);
        // No checkboxes 3 and 6; all five modes offered.
        QVERIFY(!rig.find("cb_Mode3")->isVisible());
        QVERIFY(!rig.find("cb_Mode6")->isVisible());
        for (const char* box : {"cb_Mode0", "cb_Mode1", "cb_Mode2", "cb_Mode4", "cb_Mode5"})
            QVERIFY2(rig.find<QCheckBox>(box)->isChecked(), box);
        // 8 lamps and mode index 4 are F5; 1 lamp keeps the mode.
        choose(rig, "cb_LEDNum", 0);
        QCOMPARE(held(rig, kUser + 1), std::uint8_t{0x85});

        choose(rig, "cb_LEDMode", static_cast<int>(settings::LedType::Sync));
        QCOMPARE(held(rig, kUser + 1), std::uint8_t{0x42});
        QVERIFY(!rig.find("gbLEDColor")->isVisible());
        QVERIFY(!rig.find("cb_LEDNum")->isVisible());
        showSheet(rig, "ts_Cpi");
        QVERIFY(!rig.find("cb_Profile1Color")->isVisible());
        QVERIFY(!rig.find("edt_CPI1R")->isVisible());
    }

    void mcuLedSettingsReachThePatchHeader() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(openEngineering(rig));
        showSheet(rig, "ts_Led");
        choose(rig, "cb_LEDMode", static_cast<int>(settings::LedType::Mcu));
        QCOMPARE(held(rig, kUser + 1), std::uint8_t{0x81});
        QVERIFY(rig.find("cb_MCULEDNum")->isVisible());
        QVERIFY(rig.find("cb_Mode6")->isVisible());
        QCOMPARE(rig.find<QComboBox>("cb_BreMode")->currentIndex(), 0);

        // 13 lamps are code 0; step index 2 is stored as 5; half light clears bit 7; the check
        // byte follows.
        choose(rig, "cb_MCULEDNum", 9);
        choose(rig, "cb_MCULEDStep", 2);
        choose(rig, "cb_MCULEDCtrl", 0);
        constexpr std::size_t kHeader = 1008;
        QCOMPARE(held(rig, kHeader + 8), std::uint8_t{5});
        QCOMPARE(held(rig, kHeader + 9), std::uint8_t{0x00});
        QCOMPARE(held(rig, kHeader + 15), std::uint8_t{5 ^ 0x5A});
        // 4 lamps at full light: code 9 and bit 7.
        choose(rig, "cb_MCULEDCtrl", 1);
        choose(rig, "cb_MCULEDNum", 0);
        QCOMPARE(held(rig, kHeader + 9), std::uint8_t{0x89});
        QCOMPARE(rig.find<QComboBox>("cb_MCULEDStep")->currentIndex(), 2);
    }

    void aModeTakenOffTheListIsNeverChosen() {
        WindowRig rig;
        KeptBackups backups(rig);
        QVERIFY(openEngineering(rig));
        choose(rig, "cb_LEDMode", static_cast<int>(settings::LedType::Rgb));
        // RGB LED: starting mode 5; taking mode 5 off the list chooses the first mode offered.
        showSheet(rig, "ts_Led");
        rig.click("cb_Mode5");
        QCOMPARE(held(rig, 42) & 0x20, 0);
        QCOMPARE(held(rig, kUser + 1), std::uint8_t{0x00});
        auto* modes = rig.find<QComboBox>("cb_BreMode");
        QCOMPARE(modes->itemText(5), QString("------"));
        rig.mouse.clearReports();
        choose(rig, "cb_BreMode", 5);
        QVERIFY(rig.mouse.reports().empty());

        // All RGB modes off but mode 2: one name among six "------", and mode 2 is chosen.
        for (const char* box : {"cb_Mode0", "cb_Mode1", "cb_Mode3", "cb_Mode4", "cb_Mode6"}) {
            if (rig.find<QCheckBox>(box)->isChecked())
                rig.find<QCheckBox>(box)->click();
        }
        QCOMPARE(held(rig, 42), std::uint8_t{0x04});
        QCOMPARE(held(rig, kUser + 1), std::uint8_t{0x02});
        QCOMPARE(modes->count(), 7);
        for (int i = 0; i < modes->count(); ++i)
            QCOMPARE(modes->itemText(i) == "------", i != 2);
    }

    void usbIdNeedsFourDigitsAndNumbersClampTo255() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        type(rig, "edt_VID", "12A");
        QCOMPARE(held(rig, 0), std::uint8_t{0x7A});
        QCOMPARE(held(rig, 1), std::uint8_t{0x3E});
        QTest::keyClicks(rig.find<QLineEdit>("edt_VID"), "b");
        QCOMPARE(rig.find<QLineEdit>("edt_VID")->text(), QString("12AB"));
        QCOMPARE(held(rig, 0), std::uint8_t{0x12});
        QCOMPARE(held(rig, 1), std::uint8_t{0xAB});

        type(rig, "edt_VendorID", "300");
        QCOMPARE(rig.find<QLineEdit>("edt_VendorID")->text(), QString("255"));
        QCOMPARE(held(rig, image::kFireKeys.offset), std::uint8_t{0xFF});
        QCOMPARE(rig.find<QLineEdit>("edt_VendorID_Rd")->text(), QString("255"));

        type(rig, "edt_USBDesc", "");
        QTest::keyClick(rig.find<QLineEdit>("edt_USBDesc"), Qt::Key_Backspace);
        QTest::keyClicks(rig.find<QLineEdit>("edt_USBDesc"), "Pad");
        QCOMPARE(held(rig, 111), std::uint8_t{'P'});
        QCOMPARE(held(rig, 113), std::uint8_t{'d'});
        QCOMPARE(held(rig, 114), std::uint8_t{0});
    }

    void theProductTextShowsItsCharactersAsStored() {
        WindowRig rig;
        image::Image eeprom = rig.mouse.eeprom();
        const std::string stored = "Say \"hi\" \\o/\x1b";
        std::fill_n(eeprom.begin() + 111, 16, 0);
        std::copy(stored.begin(), stored.end(), eeprom.begin() + 111);
        image::setCheckByte(
            std::span(eeprom).subspan(image::kVendor.offset, image::kVendor.length));
        rig.mouse.loadEeprom(eeprom);
        QVERIFY(openEngineering(rig));
        auto* edit = rig.find<QLineEdit>("edt_USBDesc");
        // Quote and backslash as they are; the byte the field cannot take as '?'.
        QCOMPARE(edit->text(), QString("Say \"hi\" \\o/?"));
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "!");
        QCOMPARE(held(rig, 111 + 3), std::uint8_t{' '});
        QCOMPARE(held(rig, 111 + 4), std::uint8_t{'"'});
        QCOMPARE(held(rig, 111 + 9), std::uint8_t{'\\'});
        QCOMPARE(held(rig, 111 + 12), std::uint8_t{'!'});
        QCOMPARE(held(rig, 111 + 13), std::uint8_t{0});
    }

    void sensorRegistersWriteHexAndClampAboveFF() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        type(rig, "edt_MaxShut", "3c");
        QCOMPARE(held(rig, 31), std::uint8_t{0x3C});
        QCOMPARE(rig.find<QLineEdit>("edt_MaxShut")->text(), QString("3C"));
        type(rig, "edt_LEDInit0", "123");
        QCOMPARE(rig.find<QLineEdit>("edt_LEDInit0")->text(), QString("FF"));
        QCOMPARE(held(rig, 40), std::uint8_t{0xFF});
    }

    void optionEditsKeepTheBitsNoFieldOwns() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        // Factory Vendor 4..8 = BF 1F 7F 4F AF.
        choose(rig, "cb_SensorEnhance", 0);
        QCOMPARE(held(rig, 4), std::uint8_t{0xB7});
        choose(rig, "cb_EFTrelug", 0);
        QCOMPARE(held(rig, 8), std::uint8_t{0xAB});
        choose(rig, "cb_SensorRotation", 3);
        QCOMPARE(held(rig, 6), std::uint8_t{0xFF});
        choose(rig, "cb_CPIPrescaleSel", 3);
        QCOMPARE(held(rig, 6), std::uint8_t{0xCF});
        // CPI indication 00 shows "No Indication"; choosing it again writes 01.
        QCOMPARE(rig.find<QComboBox>("cb_CPIIndication")->currentIndex(), 0);
        choose(rig, "cb_CPIIndication", 0);
        QCOMPARE(held(rig, 5), std::uint8_t{0x1F});
    }

    void profileChoiceWritesItsBytesAndColour() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        typeOffset(rig, "2C");
        choose(rig, "cb_ProfileColor", 2);
        choose(rig, "cb_Profile", 1);
        QCOMPARE(held(rig, kUser + 3), std::uint8_t{0});
        QCOMPARE(held(rig, kUser + 4), std::uint8_t{15});
        QCOMPARE(held(rig, kUser + 5), std::uint8_t{0});
        QCOMPARE(held(rig, kUser + 6), std::uint8_t{0x2C});
        QCOMPARE(held(rig, kUser), std::uint8_t{0x21});

        choose(rig, "cb_Profile", 0);
        choose(rig, "cb_ProfileColor", 10);
        QCOMPARE(held(rig, kUser), std::uint8_t{0xF0});
    }

    void everyOptionFieldHasItsComboBoxWithItsItems() {
        WindowRig rig;
        // The sheets are built when the engineering page is first shown.
        QVERIFY(rig.window->findChild<QComboBox*>("cb_ICType") == nullptr);
        rig.window->setEngineeringView(true);
        rig.window->showPage(Page::Engineering);
        for (const settings::OptionField& field : settings::optionFields()) {
            const QString name = optionControlName(field.name);
            QVERIFY2(!name.isEmpty(), field.name.data());
            auto* combo = rig.window->findChild<QComboBox*>(name);
            QVERIFY2(combo != nullptr, qPrintable(name));
            QCOMPARE(combo->count(), static_cast<int>(field.items.size()));
        }
    }

    void reportRateRestartsTheMouseOnlyWhenTheRateChanges() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        // 1000 Hz: choosing it again writes the byte and does not restart.
        choose(rig, "cb_RepRate", 3);
        QCOMPARE(rig.mouse.restartCount(), 0);
        choose(rig, "cb_RepRate", 2);
        QCOMPARE(held(rig, 4), std::uint8_t{0xAF});
        QCOMPARE(rig.mouse.restartCount(), 1);
        QVERIFY(QTest::qWaitFor([&] { return rig.workspace.session().imageRead(); }, 5000));
        QCOMPARE(rig.find<QComboBox>("cb_RepRate")->currentIndex(), 2);
    }

    void swatchesChooseAColourThroughTheDialog() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        std::optional<QColor> answer = QColor(0x12, 0x34, 0x56);
        QColor asked;
        rig.window->setColourChooser([&](const QColor& initial) {
            asked = initial;
            return answer;
        });
        showSheet(rig, "ts_Cpi");
        // Level 3 is blue; the dialog starts from it and its answer is one three-byte write.
        rig.click("cs_CPI3");
        QCOMPARE(asked, QColor(0, 0, 255));
        QCOMPARE(held(rig, 93), std::uint8_t{0x12});
        QCOMPARE(held(rig, 94), std::uint8_t{0x34});
        QCOMPARE(held(rig, 95), std::uint8_t{0x56});
        QCOMPARE(rig.find<QLineEdit>("edt_CPI3G")->text(), QString("52"));

        showSheet(rig, "ts_Led");
        rig.click("cs_Col2");
        QCOMPARE(held(rig, 60), std::uint8_t{0x12});
        QCOMPARE(held(rig, 62), std::uint8_t{0x56});
        // A cancelled dialog sends nothing.
        answer.reset();
        rig.mouse.clearReports();
        rig.click("cs_Col5");
        QVERIFY(rig.mouse.reports().empty());
    }

    void breathingEditsClampToTheirRangesHighByteFirst() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        type(rig, "edt_LowerTime", "5000");
        QCOMPARE(rig.find<QLineEdit>("edt_LowerTime")->text(), QString("4094"));
        QCOMPARE(held(rig, 52), std::uint8_t{0x0F});
        QCOMPARE(held(rig, 53), std::uint8_t{0xFE});
        type(rig, "edt_Upper", "4660");
        QCOMPARE(held(rig, 50), std::uint8_t{0x12});
        QCOMPARE(held(rig, 51), std::uint8_t{0x34});
    }

    void aFieldBeingTypedInIsNotOverwrittenByARefresh() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        showSheet(rig, "ts_Usb");
        QApplication::setActiveWindow(rig.window.get());
        auto* pid = rig.find<QLineEdit>("edt_PID");
        pid->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return pid->hasFocus(); }, 1000));
        type(rig, "edt_PID", "12");
        emit rig.window->events().modelChanged();
        QCOMPARE(pid->text(), QString("12"));
        // Once the user leaves it incomplete and another field takes the focus, the refresh
        // shows the id the mouse holds again.
        rig.find<QLineEdit>("edt_VID")->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return !pid->hasFocus(); }, 1000));
        emit rig.window->events().modelChanged();
        QCOMPARE(pid->text(), QString("08B8"));
    }

    void profileSwitchColourRewritesTheSwitchKeysWithTheirOptions() {
        WindowRig rig;
        const std::size_t key = presetGameModeSwitch(rig);
        QVERIFY(openEngineering(rig));
        QCOMPARE(rig.find<QComboBox>("cb_Profile2Color")->currentIndex(), 0);

        choose(rig, "cb_AXY", 1);
        typeOffset(rig, "2C");
        choose(rig, "cb_Profile2Color", 4);
        QCOMPARE(held(rig, key), std::uint8_t{0x07});
        QCOMPARE(held(rig, key + 1), std::uint8_t{0xA1});
        QCOMPARE(held(rig, key + 2), std::uint8_t{0x40});
        QCOMPARE(held(rig, key + 3), std::uint8_t{0x2C});
        const image::Image after = rig.mouse.eeprom();
        QVERIFY(image::hasValidCheckByte(
            std::span(after).subspan(image::kProfile1.offset, image::kProfile1.length)));
    }

    void switchOptionsAndTheOffsetRecodeTheSwitchKeysAtOnce() {
        WindowRig rig;
        const std::size_t key = presetGameModeSwitch(rig);
        QVERIFY(openEngineering(rig));

        // 07, then the target profile with the AXY bit, the colour and the offset.
        choose(rig, "cb_AXY", 1);
        QCOMPARE(held(rig, key + 1), std::uint8_t{0xA1});
        QCOMPARE(held(rig, key + 2), std::uint8_t{0x00});
        QCOMPARE(held(rig, key + 3), std::uint8_t{0x18});
        typeOffset(rig, "2C");
        QCOMPARE(held(rig, key + 3), std::uint8_t{0x2C});
        // The key page's state holds the same options.
        QVERIFY(rig.window->buttonState().adjustXY);
        QCOMPARE(rig.window->buttonState().offset, 0x2C);
    }

    void theSheetsShowAChangeMadeElsewhereAndARefreshNeverWrites() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        // As gmousectl changes it: the core operation, then the window hears the model changed.
        QVERIFY(settings::setLevelValue(rig.workspace, 1, 4).ok());
        QVERIFY(settings::setSpeedStep(rig.workspace, 10).ok());
        rig.mouse.clearReports();
        emit rig.window->events().modelChanged();
        QCOMPARE(rig.find<QComboBox>("cb_CPI1")->currentIndex(), 4);
        QCOMPARE(rig.find<QLineEdit>("edt_StepTime")->text(), QString("5"));
        QVERIFY(rig.mouse.reports().empty());
    }

    void theImageSheetShowsTheChosenAreaAsTheEditorWillWriteIt() {
        WindowRig rig;
        // One byte of patch code changed on the mouse: the stored checksum no longer matches.
        image::Image eeprom = rig.mouse.eeprom();
        eeprom[image::kPatchCodeOffset] ^= 0x01;
        rig.mouse.loadEeprom(eeprom);
        QVERIFY(openEngineering(rig));
        showSheet(rig, "ts_Image");
        auto* areas = rig.find<QListWidget>("lst_ImageAreas");
        auto* view = rig.find<QPlainTextEdit>("mmo_ImageArea");
        areas->setCurrentRow(1);
        QVERIFY(view->toPlainText().startsWith("00A4: "));
        QCOMPARE(view->toPlainText().count('\n'), 2);  // 28 bytes: 16 + 12

        // A change made on another sheet shows at once, at its image address (Vendor 31).
        type(rig, "edt_MaxShut", "3c");
        areas->setCurrentRow(0);
        const QStringList line = view->toPlainText().split('\n')[1].split(' ');
        QCOMPARE(line[0], QString("0010:"));
        QCOMPARE(line[16], QString("3C"));

        QCOMPARE(rig.find<QLineEdit>("edt_PatCodeCk")->text(), QString("5F63"));
        const QString computed = rig.find<QLabel>("lbl_PatCodeCkComputed")->text();
        QVERIFY(!computed.endsWith("5F63"));
        QCOMPARE(computed.right(4),
                 QString::fromStdString(
                     image::hexText(image::patchChecksumOf(rig.workspace.model()).computed, 4)));

        // Showing never writes.
        rig.mouse.clearReports();
        emit rig.window->events().modelChanged();
        QVERIFY(rig.mouse.reports().empty());
    }

    void aRefusedWriteShowsWhatTheMouseStillHolds() {
        WindowRig rig;
        QVERIFY(openEngineering(rig));
        const std::uint8_t values = held(rig, 44);
        rig.mouse.refuseCommands(true);
        choose(rig, "cb_CPI1", 0);
        type(rig, "edt_Col1R", "9");
        type(rig, "edt_Avg_lb", "77");
        rig.mouse.refuseCommands(false);

        QCOMPARE(held(rig, 44), values);
        QCOMPARE(rig.find<QComboBox>("cb_CPI1")->currentIndex(), values & 0x0F);
        QCOMPARE(rig.find<QLineEdit>("edt_Col1R")->text(), QString::number(held(rig, 57)));
        QCOMPARE(rig.find<QLineEdit>("edt_Avg_lb")->text(), QString("10"));
        QVERIFY(!rig.window->statusText().contains("written to the mouse"));
    }
};

}  // namespace gm::ui::testing

QTEST_MAIN(gm::ui::testing::EngineeringSettingsTest)
#include "engineering_settings_test.moc"
