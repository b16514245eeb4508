// Capture through Qt's event filter, offscreen: keys reach the sink and nothing in the window
// (a dialog, a shortcut, the focus) reacts to them; mouse buttons inside the window are taken
// once each and still reach the window, those over a command widget are not taken; after stop
// nothing arrives and keys work again.

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <variant>

#include "device/clock.h"
#include "host/capture/qt_input_capture.h"
#include "host/capture/qt_key_usage.h"

namespace gm::host {

namespace {

using Transition = std::variant<KeyTransition, ButtonTransition>;

class RecordingSink final : public CaptureSink {
public:
    void keyTransition(const KeyTransition& transition) override { seen.push_back(transition); }
    void buttonTransition(const ButtonTransition& transition) override {
        seen.push_back(transition);
    }
    std::vector<Transition> seen;
};

KeyTransition keyAt(const Transition& transition) {
    return std::get<KeyTransition>(transition);
}

ButtonTransition buttonAt(const Transition& transition) {
    return std::get<ButtonTransition>(transition);
}

// A window with a text field, a command button and a plain area with a label on it.
struct Window {
    Window() {
        auto* layout = new QVBoxLayout(&widget);
        field = new QLineEdit(&widget);
        stop = new QPushButton("Stop", &widget);
        area = new QWidget(&widget);
        area->setMinimumSize(200, 80);
        label = new QLabel("events", area);  // takes no clicks: they go on to the area
        layout->addWidget(field);
        layout->addWidget(stop);
        layout->addWidget(area);
        widget.resize(300, 240);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&widget));
        field->setFocus();
    }
    QWidget widget;
    QLineEdit* field = nullptr;
    QPushButton* stop = nullptr;
    QWidget* area = nullptr;
    QLabel* label = nullptr;
};

}  // namespace

class QtInputCaptureTest final : public QObject {
    Q_OBJECT
private slots:
    void everyKeyReachesTheSinkAndNothingInTheWindowReacts() {
        Window window;
        device::ManualClock clock;
        QtInputCapture capture(window.widget, clock);
        auto* save = new QAction(&window.widget);
        save->setShortcut(QKeySequence("Ctrl+S"));
        save->setShortcutContext(Qt::ApplicationShortcut);
        window.widget.addAction(save);
        QSignalSpy saved(save, &QAction::triggered);
        QDialog dialog(&window.widget);
        auto* ok = new QPushButton("OK", &dialog);
        ok->setDefault(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        RecordingSink sink;
        capture.start(sink);
        QVERIFY(capture.active());
        const std::vector<std::pair<Qt::Key, std::uint8_t>> keys{
            {Qt::Key_Escape, 0x29}, {Qt::Key_Return, 0x28}, {Qt::Key_Tab, 0x2B},
            {Qt::Key_Space, 0x2C},  {Qt::Key_Left, 0x50},   {Qt::Key_Down, 0x51},
            {Qt::Key_A, 0x04}};
        for (const auto& [key, usage] : keys) {
            clock.advance(device::Micros{1000});
            QTest::keyClick(&dialog, key);
        }
        QTest::keyClick(window.field, Qt::Key_S, Qt::ControlModifier);

        QVERIFY(dialog.isVisible());  // neither Esc nor Enter closed it
        QCOMPARE(saved.count(), 0);
        QVERIFY(window.field->text().isEmpty());
        QCOMPARE(sink.seen.size(), 2 * keys.size() + 4);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const KeyTransition down = keyAt(sink.seen[2 * i]);
            const KeyTransition up = keyAt(sink.seen[2 * i + 1]);
            QCOMPARE(down.usage, keys[i].second);
            QCOMPARE(up.usage, keys[i].second);
            QVERIFY(down.down && !up.down && !down.autoRepeat);
            QCOMPARE(down.at, device::Micros{1000 * static_cast<long long>(i + 1)});
        }
        // Ctrl+S: Ctrl down, S down, S up, Ctrl up.
        QCOMPARE(keyAt(sink.seen[2 * keys.size()]).usage, std::uint8_t{0xE0});
        QCOMPARE(keyAt(sink.seen[2 * keys.size() + 1]).usage, std::uint8_t{0x16});
        QVERIFY(!keyAt(sink.seen[2 * keys.size() + 3]).down);
    }

    void aRepeatedKeyStaysDownAndOneHeldOverTheStartIsNone() {
        Window window;
        device::ManualClock clock;
        QtInputCapture capture(window.widget, clock);
        RecordingSink sink;
        QTest::keyPress(window.field, Qt::Key_Return);  // the key that starts the capture
        capture.start(sink);
        QTest::keyRelease(window.field, Qt::Key_Return);
        QVERIFY(sink.seen.empty());
        QTest::keyPress(window.field, Qt::Key_B);
        // The X server repeats a held key as a release and a press, both marked.
        for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent repeated(type, Qt::Key_B, Qt::NoModifier, "b", true);
            QApplication::sendEvent(window.field, &repeated);
        }
        QTest::keyRelease(window.field, Qt::Key_B);
        QCOMPARE(sink.seen.size(), std::size_t{3});
        QVERIFY(!keyAt(sink.seen[0]).autoRepeat);
        QVERIFY(keyAt(sink.seen[1]).down && keyAt(sink.seen[1]).autoRepeat);
        QVERIFY(!keyAt(sink.seen[2]).down);
    }

    void buttonsInsideTheWindowAreTakenOnceAndPassedOn() {
        Window window;
        device::ManualClock clock;
        QtInputCapture capture(window.widget, clock);
        capture.addCommandWidget(*window.stop);
        QSignalSpy stopped(window.stop, &QPushButton::clicked);
        RecordingSink sink;
        capture.start(sink);

        QTest::mouseClick(window.stop, Qt::LeftButton);
        QCOMPARE(stopped.count(), 1);  // the command still works
        QVERIFY(sink.seen.empty());    // and its click is not recorded

        // On the label, whose parents are offered the same press in turn.
        const std::vector<std::pair<Qt::MouseButton, MouseButton>> buttons{
            {Qt::LeftButton, MouseButton::Left},
            {Qt::RightButton, MouseButton::Right},
            {Qt::MiddleButton, MouseButton::Middle},
            {Qt::BackButton, MouseButton::Back},
            {Qt::ForwardButton, MouseButton::Forward}};
        for (const auto& [qtButton, button] : buttons) {
            clock.advance(device::Micros{500});
            QTest::mouseClick(window.label, qtButton);
        }
        QCOMPARE(sink.seen.size(), 2 * buttons.size());
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttonAt(sink.seen[2 * i]).button, buttons[i].second);
            QVERIFY(buttonAt(sink.seen[2 * i]).down);
            QVERIFY(!buttonAt(sink.seen[2 * i + 1]).down);
            QCOMPARE(buttonAt(sink.seen[2 * i]).at,
                     device::Micros{500 * static_cast<long long>(i + 1)});
        }

        // A second window's clicks are not this window's.
        QWidget other;
        other.show();
        QTest::mouseClick(&other, Qt::LeftButton);
        QCOMPARE(sink.seen.size(), 2 * buttons.size());
    }

    void afterStopNothingArrivesAndKeysWorkAgain() {
        Window window;
        device::ManualClock clock;
        QtInputCapture capture(window.widget, clock);
        QDialog dialog(&window.widget);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        RecordingSink sink;
        capture.start(sink);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        capture.stop();
        QVERIFY(!capture.active());
        const std::size_t recorded = sink.seen.size();

        QTest::keyClicks(window.field, "ok");
        QTest::mouseClick(window.label, Qt::LeftButton);
        QCOMPARE(window.field->text(), QString("ok"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(sink.seen.size(), recorded);
    }

    void qtKeysLieAtTheirUsPositions() {
        struct Case {
            int key;
            bool keypad;
            std::uint8_t usage;
        };
        // The keypad's keys and the shifted symbols are told apart from the keys they share a
        // Qt key with.
        const Case cases[] = {
            {Qt::Key_1, false, 0x1E},        {Qt::Key_1, true, 0x59},
            {Qt::Key_0, true, 0x62},         {Qt::Key_Asterisk, false, 0x25},
            {Qt::Key_Asterisk, true, 0x55},  {Qt::Key_Enter, true, 0x58},
            {Qt::Key_Question, false, 0x38}, {Qt::Key_unknown, false, 0x00},
        };
        for (const Case& c : cases)
            QCOMPARE(usageOfQtKey(c.key, c.keypad), c.usage);
    }
};

}  // namespace gm::host

QTEST_MAIN(gm::host::QtInputCaptureTest)
#include "qt_input_capture_test.moc"
