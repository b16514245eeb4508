#include "ui/pages/widgets/focus_ring.h"

#include <QAbstractButton>
#include <QPainter>

#include "ui/skin/style_sheets.h"

namespace gm::ui {

void takeKeyboardFocus(QAbstractButton& button) {
    button.setFocusPolicy(Qt::TabFocus);
}

void paintFocusRing(QPainter& painter, const QWidget& widget, double radius) {
    if (!widget.hasFocus())
        return;
    painter.save();
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(skin::qColour(skin::colour::kAccent), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(widget.rect()).adjusted(0.75, 0.75, -0.75, -0.75), radius,
                            radius);
    painter.restore();
}

}  // namespace gm::ui
