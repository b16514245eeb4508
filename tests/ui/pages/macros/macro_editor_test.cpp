// The macro editor on the Macro page: recording from synthesized keys and buttons (Esc and
// Enter recorded, Stop's own click not), the delay modes and playback options read back, the
// event popup's edit, delete and insert, each stored in the macro file at once.

#include <QComboBox>
#include <QLineEdit>

#include "image/files/file_io.h"
#include "macro_page_rig.h"

namespace gm::ui::testing {

namespace {

constexpr std::uint8_t kA = 0x04, kEsc = 0x29, kEnter = 0x28, kTab = 0x2B;

// The selected PC macro's body as the macro file holds it, up to its terminator.
Bytes storedBody(const WindowRig& rig, std::size_t record = 0) {
    const auto store = macros::storeOfBytes(image::files::readFile(rig.macroFile()).bytes);
    const image::MacroBody& body = store.records[record].body;
    return Bytes(body.begin(), body.begin() + macros::scanBody(body).length);
}

QListWidget* events(WindowRig& rig) {
    return rig.find<QListWidget>("LB_macro");
}

// A key pressed and released `ms` apart, sent where the keyboard focus is.
void tap(WindowRig& rig, Qt::Key key, int ms) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : rig.window.get();
    QTest::keyPress(target, key);
    rig.clock.advance(device::Micros{ms * 1000});
    QTest::keyRelease(target, key);
}

// Opens the event popup on `row` and clicks its entry `entry`.
void popupEntry(WindowRig& rig, int row, const char* entry) {
    rightClick(events(rig), rowCentre(events(rig), row));
    QTest::mouseClick(rig.find<QAbstractButton>(entry), Qt::LeftButton);
}

void chooseInsert(WindowRig& rig, int row, int kind) {
    popupEntry(rig, row, "Btn_Insert");
    QVERIFY(rig.find<QWidget>("Gb_Insert")->isVisible());
    rig.find<QComboBox>("CB_Insert")->setCurrentIndex(kind);
}

void typeInto(WindowRig& rig, const char* field, const QString& text) {
    auto* edit = rig.find<QLineEdit>(field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace

class MacroEditorTest final : public QObject {
    Q_OBJECT
private slots:
    void recordingTakesEveryKeyWithItsRealDelayButNotTheClickOnStop() {
        WindowRig rig;
        QVERIFY(rig.connect());
        selectOnlyPcMacro(rig, record("Rec", {0x00}));
        rig.click("lbl_RecDelay");
        rig.click("Btn_Start");
        QCOMPARE(rig.find<QAbstractButton>("Btn_Start")->text(), QString("Stop"));
        QVERIFY(!rig.find<QWidget>("LB_PCMacroName")->isEnabled());
        QVERIFY(!rig.find<QWidget>("Btn_New")->isEnabled());

        tap(rig, Qt::Key_Escape, 40);  // would close a dialog, and is recorded instead
        rig.clock.advance(device::Micros{100'000});
        tap(rig, Qt::Key_Return, 30);
        rig.clock.advance(device::Micros{70'000'000});  // capped at 65535 ms
        QWidget* target = rig.window.get();
        QTest::keyPress(target, Qt::Key_A);
        QTest::keyPress(target, Qt::Key_A, {}, -1);  // auto-repeat: one press
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", true);
        QApplication::sendEvent(target, &repeat);
        QTest::keyRelease(target, Qt::Key_A);
        rig.clock.advance(device::Micros{20'000});
        QTest::mousePress(rig.find<QWidget>("Pnl_MacroContent"), Qt::XButton1);
        QTest::mouseRelease(rig.find<QWidget>("Pnl_MacroContent"), Qt::XButton1);
        QVERIFY(events(rig)->count() > 0);
        rig.click("Btn_Start");  // Stop: its press and release are not events

        QCOMPARE(rig.find<QAbstractButton>("Btn_Start")->text(), QString("Record"));
        QVERIFY(rig.find<QWidget>("LB_PCMacroName")->isEnabled());
        QCOMPARE(storedBody(rig),
                 (Bytes{0x82, kEsc, 0xFE, 0x00, 0x28,   0x02, kEsc, 0xFE, 0x00, 0x64, 0x82, kEnter,
                        0xFE, 0x00, 0x1E, 0x02, kEnter, 0xFE, 0xFF, 0xFF, 0x82, kA,   0xFE, 0x00,
                        0x00, 0x02, kA,   0xFE, 0x00,   0x14, 0xB0, 0xFE, 0x00, 0x00, 0x30, 0x00}));
        QCOMPARE(rows(events(rig)).mid(0, 4), (QStringList{"Esc", "40 ms", "Esc", "100 ms"}));
        QVERIFY(rows(events(rig)).contains("Backward"));
        QVERIFY(rig.find<QWidget>("rb_RecDelay")->property("checked").toBool());
    }

    void fourEqualFixedDelaysReadBackAsDefaultDelayAndTheOptionWrapsTheBody() {
        WindowRig rig;
        QVERIFY(rig.connect());
        selectOnlyPcMacro(rig, record("Fixed", {0x00}));
        rig.click("lbl_DelayTime");
        typeInto(rig, "Edt_Delay", "25");
        QTest::keyClick(rig.find<QLineEdit>("Edt_Delay"), Qt::Key_Return);
        rig.click("Btn_Start");
        for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_C})
            tap(rig, key, 500);
        rig.click("Btn_Start");
        QCOMPARE(storedBody(rig).size(), 6u * 2 + 5u * 3 + 1u);

        // Read again: Default Delay with 25 ms; "Stop untill the macro key released" wraps it.
        giveLibrary(rig, {record("Fixed", storedBody(rig)), record("Other", {0x00})});
        auto* pcList = rig.find<QListWidget>("LB_PCMacroName");
        QTest::mouseClick(pcList->viewport(), Qt::LeftButton, {}, rowCentre(pcList, 1));
        rig.click("lbl_RecDelay");  // the mode of another macro
        QTest::mouseClick(pcList->viewport(), Qt::LeftButton, {}, rowCentre(pcList, 0));
        QVERIFY(rig.find<QAbstractButton>("rb_DelayTime")->isChecked());
        QCOMPARE(rig.find<QLineEdit>("Edt_Delay")->text(), QString("25"));
        rig.click("lbl_ReleaseStopEnter");
        Bytes body = storedBody(rig);
        QCOMPARE((Bytes{body[0], body[1], body[body.size() - 2]}), (Bytes{0xFD, 0xFF, 0xFC}));
        rig.click("lbl_ReleaseStopCount");
        QVERIFY(rig.find<QLineEdit>("Edt_StopCount")->isEnabled());
        typeInto(rig, "Edt_StopCount", "300");
        QCOMPARE(rig.find<QLineEdit>("Edt_StopCount")->text(), QString("254"));
        typeInto(rig, "Edt_StopCount", "5");
        QTest::keyClick(rig.find<QLineEdit>("Edt_StopCount"), Qt::Key_Return);
        QCOMPARE(storedBody(rig)[1], 5);
        rig.click("lbl_ReleaseStopCount");  // off again: no wrapper
        QCOMPARE(storedBody(rig).size(), body.size() - 3);
        QVERIFY(!rig.find<QLineEdit>("Edt_StopCount")->isEnabled());
    }

    void insertsEveryKindBeforeAndAfterTheSelectedEvent() {
        WindowRig rig;
        QVERIFY(rig.connect());
        selectOnlyPcMacro(rig, record("Ins", {0xA1, 0x21, 0x00}));
        const struct {
            int kind;
            int row;
            const char* field;
            QString value;
            Bytes body;
        } cases[] = {
            {0, 1, "Edt_InsertDelay", "300", {0xA1, 0xFE, 0x01, 0x2C, 0x21, 0x00}},
            {1, 0, "Edt_InsertDelay", "0", {0xA1, 0xFE, 0x00, 0x01, 0xFE, 0x01, 0x2C, 0x21, 0}},
            {4,
             0,
             "edt_XAxisValue",
             "-300",
             {0x04, 0x80, 0x00, 0xA1, 0xFE, 0x00, 0x01, 0xFE, 0x01, 0x2C, 0x21, 0}},
            {6,
             1,
             "edt_Repeat",
             "3",
             {0x04, 0x80, 0x00, 0xFD, 0x03, 0xA1, 0xFE, 0x00, 0x01, 0xFE, 0x01, 0x2C, 0x21, 0}},
            {7,
             5,
             nullptr,
             {},
             {0x04, 0x80, 0x00, 0xFD, 0x03, 0xA1, 0xFE, 0x00, 0x01, 0xFE, 0x01, 0x2C, 0x21, 0xFC,
              0}},
        };
        for (const auto& c : cases) {
            chooseInsert(rig, c.row, c.kind);
            if (c.field != nullptr)
                typeInto(rig, c.field, c.value);
            rig.click("Btn_OK");
            QVERIFY(!rig.find<QWidget>("Gb_Insert")->isVisible());
            QCOMPARE(storedBody(rig), c.body);
        }
        QCOMPARE(rows(events(rig)).mid(0, 2), (QStringList{"X: -128  Y: 0", "Rep-Start  3"}));

        // Insert Key after the release: recorded with its own delay choice, kept by OK.
        chooseInsert(rig, 5, 3);
        rig.click("rb_InsertNoDelay");
        rig.click("Btn_InsertStart");
        tap(rig, Qt::Key_B, 80);
        rig.click("Btn_InsertStart");
        rig.click("Btn_OK");
        const Bytes keyed = storedBody(rig);
        QCOMPARE(Bytes(keyed.end() - 6, keyed.end()), (Bytes{0x82, 0x05, 0x02, 0x05, 0xFC, 0}));

        // Insert Key before the first event, then Cancel: nothing stored, the selection back.
        auto* list = events(rig);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
        chooseInsert(rig, 2, 2);
        rig.click("Btn_InsertStart");
        tap(rig, Qt::Key_C, 10);
        QCOMPARE(list->count(), 11);  // C down, C up: the panel kept its No Delay
        rig.click("Btn_Cancel");
        QCOMPARE(list->count(), 9);
        QCOMPARE(selected(list), 2);
        QCOMPARE(storedBody(rig), keyed);
    }

    void editAndDeleteThroughThePopupAndTheDialogs() {
        WindowRig rig;
        QVERIFY(rig.connect());
        selectOnlyPcMacro(rig, record("Ed", {0x82, kA, 0xFE, 0x00, 0x32, 0x02, kA, 0xA1, 0x00}));
        popupEntry(rig, 1, "Btn_Edit");
        auto* time = rig.find<QLineEdit>("Edt_EditTime");
        QTRY_VERIFY(time->isVisible());
        time->selectAll();
        QTest::keyClicks(time, "70000");
        QCOMPARE(time->text(), QString("65535"));
        QTest::mouseClick(rig.find<QWidget>("TForm5")->findChild<QAbstractButton*>("IB_Confirm"),
                          Qt::LeftButton);
        QCOMPARE(storedBody(rig)[3], 0xFF);

        // A key's press and its release change together.
        popupEntry(rig, 0, "Btn_Edit");
        auto* key = rig.find<QLineEdit>("Edt_EditKey");
        QTRY_VERIFY(key->isVisible());
        QTest::keyClick(key, Qt::Key_Tab);  // taken as the key, no focus move
        QVERIFY(key->isVisible());
        QCOMPARE(key->text(), QString("Tab"));
        QWidget* confirm = rig.find<QWidget>("TForm4")->focusWidget();
        QCOMPARE(confirm->objectName(), QString("IB_Confirm"));
        QTest::keyClick(confirm, Qt::Key_Return);
        QCOMPARE(storedBody(rig), (Bytes{0x82, kTab, 0xFE, 0xFF, 0xFF, 0x02, kTab, 0xA1, 0x00}));

        // The left press has no release: "Macro Content Error", nothing deleted.
        popupEntry(rig, 3, "Btn_Del");
        QVERIFY(rig.shown("Macro Content Error"));
        QCOMPARE(events(rig)->count(), 4);
        popupEntry(rig, 2, "Btn_Del");  // the release takes its press
        QCOMPARE(storedBody(rig), (Bytes{0xFE, 0xFF, 0xFF, 0xA1, 0x00}));
        QCOMPARE(rows(events(rig)), (QStringList{"65535 ms", "LeftKey"}));
    }

    void theInsertChoiceSurvivesALanguageSwitch() {
        WindowRig rig;
        QVERIFY(rig.connect());
        selectOnlyPcMacro(rig, record("Lang", {0xA1, 0x21, 0x00}));
        chooseInsert(rig, 0, 5);
        rig.click("Btn_Lang2");
        QCOMPARE(rig.find<QComboBox>("CB_Insert")->currentIndex(), 5);
        QVERIFY(rig.find<QWidget>("edt_YAxisValue")->isVisible());
    }
};

int runMacroEditorTests(int argc, char** argv) {
    MacroEditorTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return gm::ui::testing::runMacroEditorTests(argc, argv);
}

#include "macro_editor_test.moc"
