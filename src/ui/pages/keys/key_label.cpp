#include "ui/pages/keys/key_label.h"

#include <QPainter>

#include "ui/pages/widgets/focus_ring.h"

#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

KeyLabel::KeyLabel(int key, QWidget* parent) : QAbstractButton(parent), key_(key) {
    setObjectName(QString("Key%1").arg(key));
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    takeKeyboardFocus(*this);
}

void KeyLabel::setHeading(const QString& heading) {
    heading_ = heading;
    update();
}

void KeyLabel::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void KeyLabel::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void KeyLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const skin::ButtonState state = isChecked() ? skin::ButtonState::Selected
                                    : hovered_  ? skin::ButtonState::Hover
                                                : skin::ButtonState::Normal;
    painter.drawPixmap(rect(), skin::skinPixmap(skin::buttonPictureName("KeyS", state)));

    QFont small = font();
    small.setPixelSize(11);
    painter.setFont(small);
    painter.setPen(skin::qColour(skin::colour::kMuted));
    const QRect inner = rect().adjusted(12, 6, -10, -6);
    painter.drawText(inner, Qt::AlignTop | Qt::AlignLeft, heading_);

    QFont name = font();
    name.setPixelSize(14);
    name.setBold(true);
    painter.setFont(name);
    const QFontMetrics metrics(name);
    const QString shown = text().isEmpty() ? QStringLiteral("\u2014") : text();
    painter.setPen(skin::qColour(text().isEmpty() ? skin::colour::kMuted : skin::colour::kText));
    painter.drawText(inner, Qt::AlignBottom | Qt::AlignLeft,
                     metrics.elidedText(shown, Qt::ElideRight, inner.width()));
    paintFocusRing(painter, *this, 8);
}

}  // namespace gm::ui
