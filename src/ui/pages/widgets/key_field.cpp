#include "ui/pages/widgets/key_field.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "host/capture/qt_key_usage.h"

namespace gm::ui {

namespace {

bool passesOn(const QKeyEvent& key) {
    return key.key() == Qt::Key_Escape || key.key() == Qt::Key_Backtab ||
           (key.key() == Qt::Key_Tab && key.modifiers().testFlag(Qt::ShiftModifier));
}

}  // namespace

KeyField::KeyField(QLineEdit& field, Pressed pressed)
    : QObject(&field), pressed_(std::move(pressed)) {
    field.setReadOnly(true);
    field.installEventFilter(this);
}

bool KeyField::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (passesOn(key))
        return false;
    if (type == QEvent::KeyPress && !key.isAutoRepeat()) {
        const bool held =
            (key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
        pressed_({host::usageOfKeyEvent(key), held});
    }
    event->accept();
    return true;
}

}  // namespace gm::ui
