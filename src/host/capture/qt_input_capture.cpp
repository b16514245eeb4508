#include "host/capture/qt_input_capture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <optional>

#include "host/capture/qt_key_usage.h"

namespace gm::host {

namespace {

std::optional<MouseButton> buttonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        case Qt::BackButton:
            return MouseButton::Back;
        case Qt::ForwardButton:
            return MouseButton::Forward;
        default:
            return std::nullopt;
    }
}

}  // namespace

QtInputCapture::QtInputCapture(QWidget& window, const device::Clock& clock)
    : QObject(&window), window_(window), clock_(clock) {}

QtInputCapture::~QtInputCapture() {
    stop();
}

void QtInputCapture::start(CaptureSink& sink) {
    if (sink_ == nullptr)
        qApp->installEventFilter(this);
    sink_ = &sink;
    lastButton_ = {};
    keysDown_.reset();
}

void QtInputCapture::stop() {
    if (sink_ == nullptr)
        return;
    qApp->removeEventFilter(this);
    sink_ = nullptr;
}

void QtInputCapture::addCommandWidget(QWidget& widget) {
    std::erase_if(commands_, [](const QPointer<QWidget>& command) { return command.isNull(); });
    commands_.emplace_back(&widget);
}

bool QtInputCapture::eventFilter(QObject* watched, QEvent* event) {
    if (sink_ == nullptr)
        return false;
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Accepted: the key is wanted where it is, so no shortcut runs; its key press
            // follows and is swallowed below.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            const bool down = event->type() == QEvent::KeyPress;
            const std::uint8_t usage = usageOfKeyEvent(key);
            // The X server repeats a held key as release and press pairs: the key stays down.
            const bool taken = down || (!key.isAutoRepeat() && keysDown_.test(usage));
            if (taken) {
                keysDown_.set(usage, down);
                sink_->keyTransition({usage, down, down && key.isAutoRepeat(), clock_.now()});
            }
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            capturedMouse(watched, static_cast<const QMouseEvent&>(*event));
            return false;
        default:
            return false;
    }
}

void QtInputCapture::capturedMouse(QObject* watched, const QMouseEvent& event) {
    const SeenButton seen{event.type(), static_cast<unsigned>(event.button()), event.timestamp()};
    if (seen == lastButton_ || !insideWindow(watched))
        return;
    lastButton_ = seen;
    const auto button = buttonOf(event.button());
    if (!button || overCommand(event))
        return;
    sink_->buttonTransition({*button, event.type() == QEvent::MouseButtonPress, clock_.now()});
}

bool QtInputCapture::insideWindow(QObject* watched) const {
    if (auto* widget = qobject_cast<QWidget*>(watched))
        return widget->window() == &window_;
    if (auto* window = qobject_cast<QWindow*>(watched))
        return window == window_.windowHandle();
    return false;
}

bool QtInputCapture::overCommand(const QMouseEvent& event) const {
    const QPoint at = window_.mapFromGlobal(event.globalPosition().toPoint());
    const QWidget* under = window_.childAt(at);
    if (under == nullptr)
        return false;
    return std::any_of(commands_.begin(), commands_.end(),
                       [under](const QPointer<QWidget>& command) {
                           return command != nullptr && command->isVisible() &&
                                  (command == under || command->isAncestorOf(under));
                       });
}

}  // namespace gm::host
