// The engineering fire macro editor on the virtual mouse: left-button recording with its delays,
// bounded by the record's size; inserts into the record's bytes; a record without events;
// renaming in the 4230A name table.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

#include "image/settings/engineering_access.h"
#include "macros/fire_records.h"
#include "ui/support/window_rig.h"

namespace gm::ui::testing {

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes record(WindowRig& rig, std::size_t index) {
    return rig.workspace.model().copies.fireMacroRecords[index];
}

// A record of `size` bytes starting with `head`.
Bytes padded(Bytes head, std::size_t size) {
    head.resize(size, 0x00);
    return head;
}

// Unlocks the fire recorder through its gesture and shows the gun sheet it sits on.
bool openFireEditor(WindowRig& rig) {
    rig.window->setPasswordPrompt(
        [] { return std::optional<std::string>(image::settings::kFireRecorderCode); });
    for (int i = 0; i < 5; ++i)
        QTest::mouseDClick(rig.find("Img_Base_6"), Qt::LeftButton);
    rig.window->setEngineeringView(true);
    rig.window->showPage(Page::Engineering);
    rig.find<QTabWidget>("PageControl_Eng")->setCurrentWidget(rig.find("ts_Gun"));
    return rig.find("GB_FireMacro")->isVisible();
}

void selectRecord(WindowRig& rig, int row) {
    auto* names = rig.find<QListWidget>("LB_FireMacroName");
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                      names->visualItemRect(names->item(row)).center());
}

void selectEvent(WindowRig& rig, int row) {
    auto* events = rig.find<QListWidget>("LB_FireMacro");
    QTest::mouseClick(events->viewport(), Qt::LeftButton, {},
                      events->visualItemRect(events->item(row)).center());
}

// A left press and release on the event list, `ms` apart, `gap` ms after the last event.
void leftClick(WindowRig& rig, int gap, int ms) {
    QWidget* target = rig.find<QListWidget>("LB_FireMacro")->viewport();
    rig.clock.advance(device::Micros{gap * 1000});
    QTest::mousePress(target, Qt::LeftButton);
    rig.clock.advance(device::Micros{ms * 1000});
    QTest::mouseRelease(target, Qt::LeftButton);
}

QString status(const WindowRig& rig) {
    return rig.find<QLabel>("lbl_Status")->text();
}

}  // namespace

class FireMacroEditorTest final : public QObject {
    Q_OBJECT
private slots:
    void theEditorShowsOnlyWhileTheRecorderIsUnlocked() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openFireEditor(rig));
        QCOMPARE(rig.find<QListWidget>("LB_FireMacroName")->count(), 10);
        QCOMPARE(rig.find<QListWidget>("LB_FireMacroName")->item(9)->text(),
                 QString("Fire Macro10"));
        QTest::mouseDClick(rig.find("Img_Base_6"), Qt::LeftButton);
        QVERIFY(!rig.find("GB_FireMacro")->isVisible());
    }

    void lockingTheRecorderEndsARecording() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openFireEditor(rig));
        selectRecord(rig, 0);
        rig.click("Btn_FireStart");
        leftClick(rig, 10, 10);
        // The double-click that locks is the recording's last input.
        QTest::mouseDClick(rig.find("Img_Base_6"), Qt::LeftButton);
        QVERIFY(!rig.checked("Btn_FireStart"));
        const Bytes stored = record(rig, 0);
        QCOMPARE(Bytes(stored.begin(), stored.begin() + 5), (Bytes{0xA1, 0xFE, 0x00, 0x0A, 0x21}));
        leftClick(rig, 10, 10);
        QCOMPARE(record(rig, 0), stored);
    }

    void recordingTakesTheLeftButtonWithItsDelaysAndNotTheRecordButton() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openFireEditor(rig));
        const Bytes third = record(rig, 2);
        selectRecord(rig, 1);
        rig.click("Btn_FireStart");  // Record Delay is the default mode
        QVERIFY(rig.checked("Btn_FireStart"));
        leftClick(rig, 500, 40);
        // The right button and keys are not fire macro events.
        QTest::mouseClick(rig.find<QListWidget>("LB_FireMacro")->viewport(), Qt::RightButton);
        QTest::keyClick(rig.find("LB_FireMacro"), Qt::Key_A);
        leftClick(rig, 70'000, 10);  // the pause is capped at 65535 ms
        rig.clock.advance(device::Micros{30'000});
        rig.click("Btn_FireStart");
        QVERIFY(!rig.checked("Btn_FireStart"));
        QCOMPARE(record(rig, 1), padded({0xA1, 0xFE, 0x00, 0x28, 0x21, 0xFE, 0xFF, 0xFF, 0xA1, 0xFE,
                                         0x00, 0x0A, 0x21, 0x00},
                                        24));
        QCOMPARE(rig.find<QListWidget>("LB_FireMacro")->count(), 7);
        QCOMPARE(record(rig, 2), third);
    }

    void aFixedDelayGoesBeforeEachTransitionButTheFirst() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openFireEditor(rig));
        selectRecord(rig, 4);
        rig.click("rb_FireDelayTime");
        auto* delay = rig.find<QLineEdit>("Edt_FireDelay");
        delay->selectAll();
        QTest::keyClicks(delay, "300");
        QTest::keyClick(delay, Qt::Key_Return);
        rig.click("Btn_FireStart");
        leftClick(rig, 5, 5);
        rig.click("Btn_FireStart");
        QCOMPARE(record(rig, 4), padded({0xA1, 0xFE, 0x01, 0x2C, 0x21, 0x00}, 24));
    }

    void aRecordingStopsAtTheRecordsSizeAndLeavesTheNextRecord() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openFireEditor(rig));
        const Bytes next = record(rig, 1);
        selectRecord(rig, 0);
        rig.click("rb_FireNoDelay");
        rig.click("Btn_FireStart");
        // Eleven clicks take 22 bytes; the twelfth press would need the 24th and 25th.
        for (int i = 0; i < 12; ++i)
            leftClick(rig, 10, 10);
        QVERIFY(!rig.checked("Btn_FireStart"));
        QVERIFY(!rig.workspace.model().copies.fireMacroRecords.empty());
        Bytes expected;
        for (int i = 0; i < 11; ++i)
            expected.insert(expected.end(), {0xA1, 0x21});
        QCOMPARE(record(rig, 0), padded(expected, 24));
        QCOMPARE(record(rig, 1), next);
        QVERIFY(status(rig).contains("full (24 bytes)"));
    }

    void insertsGoIntoTheRecordAndOneThatDoesNotFitIsRefused_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<Bytes>("expected");
        // The record holds A1 FE 00 0A 21; the press is selected.
        QTest::newRow("delay before")
            << 0 << "Edt_InsertFireDelay"
            << "258" << Bytes{0xFE, 0x01, 0x02, 0xA1, 0xFE, 0x00, 0x0A, 0x21};
        QTest::newRow("move after")
            << 3 << "edt_FireXAxisValue"
            << "-3" << Bytes{0xA1, 0x04, 0xFD, 0x00, 0xFE, 0x00, 0x0A, 0x21};
        QTest::newRow("repeat start of 5")
            << 4 << "edt_FireRepeat"
            << "5" << Bytes{0xFD, 0x05, 0xA1, 0xFE, 0x00, 0x0A, 0x21};
        QTest::newRow("repeat stop after") << 5 << ""
                                           << "" << Bytes{0xA1, 0xFC, 0xFE, 0x00, 0x0A, 0x21};
    }
    void insertsGoIntoTheRecordAndOneThatDoesNotFitIsRefused() {
        QFETCH(int, kind);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(Bytes, expected);
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openFireEditor(rig));
        rig.workspace.model().copies.fireMacroRecords[3] =
            padded({0xA1, 0xFE, 0x00, 0x0A, 0x21, 0x00}, 24);
        selectRecord(rig, 3);
        selectEvent(rig, 0);
        rig.click("Btn_FireInsert");
        rig.find<QComboBox>("CB_InsertFire")->setCurrentIndex(kind);
        if (!field.isEmpty()) {
            auto* edit = rig.find<QLineEdit>(field.toLatin1().constData());
            QVERIFY(edit->isVisible());
            edit->selectAll();
            QTest::keyClicks(edit, value);
        }
        rig.click("Btn_FireOK");
        expected.push_back(0x00);
        QCOMPARE(record(rig, 3), padded(expected, 24));

        // Filled to 23 bytes and the terminator: a delay's three more bytes are refused.
        Bytes full;
        for (int i = 0; i < 11; ++i)
            full.insert(full.end(), {0xA1, 0x21});
        full.push_back(0xFC);
        rig.workspace.model().copies.fireMacroRecords[3] = padded(full, 24);
        selectRecord(rig, 2);
        selectRecord(rig, 3);
        selectEvent(rig, 0);
        rig.click("Btn_FireInsert");
        rig.click("Btn_FireOK");
        QCOMPARE(record(rig, 3), padded(full, 24));
        QVERIFY(status(rig).contains("24 bytes"));
    }

    void aRecordStartingWithThreeZerosShowsNoEvents() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openFireEditor(rig));
        rig.workspace.model().copies.fireMacroRecords[6] =
            padded({0x00, 0x00, 0x00, 0xA1, 0x21}, 24);
        selectRecord(rig, 6);
        QCOMPARE(rig.find<QListWidget>("LB_FireMacro")->count(), 0);
    }

    void deletingAPressTakesItsReleaseAndALonePressIsAContentError() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(openFireEditor(rig));
        rig.workspace.model().copies.fireMacroRecords[5] =
            padded({0xA1, 0xFE, 0x00, 0x0A, 0x21, 0xA1, 0x00}, 24);
        selectRecord(rig, 5);
        selectEvent(rig, 0);
        rig.click("Btn_FireDel");
        QCOMPARE(record(rig, 5), padded({0xFE, 0x00, 0x0A, 0xA1, 0x00}, 24));
        selectEvent(rig, 1);
        rig.click("Btn_FireDel");
        QVERIFY(rig.shown("Macro Content Error"));
        QCOMPARE(record(rig, 5), padded({0xFE, 0x00, 0x0A, 0xA1, 0x00}, 24));
    }

    void renamingWritesThe4230ANameTableAndIsRefusedOnA4210A() {
        WindowRig large({}, true, image::ChipType::Chip4230A);
        QVERIFY(large.connect());
        QVERIFY(openFireEditor(large));
        selectRecord(large, 2);
        large.click("Btn_NewFireName");
        auto* dialog = large.find("TForm3");
        QTRY_VERIFY(dialog->isVisible());
        auto* field = dialog->findChild<QLineEdit*>("Edt_MacroName");
        field->selectAll();
        QTest::keyClicks(field, "AK47");
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("IB_Confirm"), Qt::LeftButton);
        QCOMPARE(macros::fireMacroName(large.workspace.model(), 2), std::string("AK47"));
        QCOMPARE(large.find<QListWidget>("LB_FireMacroName")->item(2)->text(), QString("AK47"));

        WindowRig small;
        QVERIFY(small.connect());
        QVERIFY(openFireEditor(small));
        selectRecord(small, 2);
        small.click("Btn_NewFireName");
        QVERIFY(status(small).contains("no names"));
        QCOMPARE(small.find<QListWidget>("LB_FireMacroName")->item(2)->text(),
                 QString("Fire Macro3"));
    }
};

}  // namespace gm::ui::testing

QTEST_MAIN(gm::ui::testing::FireMacroEditorTest)
#include "fire_macro_editor_test.moc"
