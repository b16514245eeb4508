#pragma once
// The one keyboard-focus mark of the window's painted controls: a thin accent frame just inside
// the control. Painted controls take the focus only from the keyboard (Tab), so a click never
// leaves a frame behind.

class QAbstractButton;
class QPainter;
class QWidget;

namespace gm::ui {

// Makes a painted button a Tab stop that Space presses (QAbstractButton does the pressing).
void takeKeyboardFocus(QAbstractButton& button);

// Frames `widget` when it has the keyboard focus; call last in its paintEvent.
void paintFocusRing(QPainter& painter, const QWidget& widget, double radius = 6);

}  // namespace gm::ui
