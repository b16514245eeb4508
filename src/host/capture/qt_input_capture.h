#pragma once
// Capture through Qt: an application-wide event filter, installed only between start() and
// stop(). Every key event of the application is swallowed, with its shortcut check, so nothing
// in the window reacts to keys while capturing (no shortcut, no focus move, no dialog closed by
// Esc or confirmed by Enter), and becomes a key transition; a repeated key stays down (the
// releases the X server puts between its repeats are none), and the release of a key pressed
// before start is none. Mouse buttons pressed or released
// inside the window become button transitions and go on to the window as ever; one over a
// command widget (the recorder's own buttons, so that clicking Stop stops) is not recorded.
// Events arrive on the window thread; each is stamped with the clock's time.

#include <QObject>
#include <QPointer>
#include <bitset>
#include <vector>

#include "host/capture/input_capture.h"

class QMouseEvent;
class QWidget;

namespace gm::host {

class QtInputCapture final : public QObject, public InputCapture {
    Q_OBJECT
public:
    // `window`: the top-level widget whose mouse buttons are captured.
    QtInputCapture(QWidget& window, const device::Clock& clock);
    ~QtInputCapture() override;

    void start(CaptureSink& sink) override;
    void stop() override;
    bool active() const override { return sink_ != nullptr; }

    // A press or release with the pointer over `widget` (or a child of it) is not recorded.
    // Widgets that are destroyed drop out of the list.
    void addCommandWidget(QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void capturedMouse(QObject* watched, const QMouseEvent& event);
    bool overCommand(const QMouseEvent& event) const;
    bool insideWindow(QObject* watched) const;

    QWidget& window_;
    const device::Clock& clock_;
    CaptureSink* sink_ = nullptr;
    std::vector<QPointer<QWidget>> commands_;
    // A press or release reaches the filter once per widget it is offered to (the window, the
    // widget under the pointer, its parents): it is taken once.
    struct SeenButton {
        int type = 0;
        unsigned button = 0;
        quint64 timestamp = 0;
        bool operator==(const SeenButton&) const = default;
    };
    SeenButton lastButton_;
    // Keys pressed since start: the release of a key pressed before (the Enter that started the
    // capture) is no transition.
    std::bitset<256> keysDown_;
};

}  // namespace gm::host
