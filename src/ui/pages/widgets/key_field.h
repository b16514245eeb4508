#pragma once
// A field that takes key presses as keys (the chord dialog's Edt_Assembly, the one-key dialog's
// field): every press but Escape and Shift+Tab is handed over by its usage, Enter and Tab among
// them, and neither the field's editing nor a shortcut sees it. Escape goes on to the dialog
// (which closes), Shift+Tab moves the focus back. A key the keyboard repeats is taken once.

#include <QObject>
#include <cstdint>
#include <functional>

class QLineEdit;

namespace gm::ui {

struct PressedKey {
    std::uint8_t usage = 0;     // HID keyboard usage by the key's position; 0: none
    bool modifierHeld = false;  // Shift, Ctrl or Alt was down
};

class KeyField final : public QObject {
    Q_OBJECT
public:
    using Pressed = std::function<void(const PressedKey&)>;
    // Makes `field` read-only and hands its key presses to `pressed`; owned by the field.
    KeyField(QLineEdit& field, Pressed pressed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Pressed pressed_;
};

}  // namespace gm::ui
