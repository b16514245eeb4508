#include "ui/pages/widgets/skin_button.h"

#include <QPainter>

#include "ui/pages/widgets/focus_ring.h"

#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/skin_pictures.h"

namespace gm::ui {

SkinButton::SkinButton(std::string base, QWidget* parent)
    : QAbstractButton(parent), base_(std::move(base)) {
    setCursor(Qt::PointingHandCursor);
    takeKeyboardFocus(*this);
}

void SkinButton::setCaptionLayout(Qt::Alignment alignment, int inset) {
    alignment_ = alignment;
    inset_ = inset;
    update();
}

QSize SkinButton::sizeHint() const {
    return QSize(112, 32);
}

void SkinButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

namespace {

QColor qcolour(skin::Rgb rgb) {
    return QColor(skin::redOf(rgb), skin::greenOf(rgb), skin::blueOf(rgb));
}

}  // namespace

void SkinButton::paintFlat(QPainter& painter, skin::ButtonState state) {
    painter.setRenderHint(QPainter::Antialiasing);
    if (state != skin::ButtonState::Normal) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(qcolour(skin::colour::kPanelHover));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
    if (glyph_ == Glyph::Maximise) {
        painter.setPen(QPen(qcolour(state == skin::ButtonState::Normal ? skin::colour::kMuted
                                                                       : skin::colour::kText),
                            1.5));
        painter.setBrush(Qt::NoBrush);
        const QPointF centre = QRectF(rect()).center();
        painter.drawRoundedRect(QRectF(centre.x() - 6, centre.y() - 6, 12, 12), 2, 2);
    }
}

void SkinButton::paintEvent(QPaintEvent*) {
    using skin::ButtonState;
    const ButtonState state = (isChecked() || isDown()) ? ButtonState::Selected
                              : hovered_                ? ButtonState::Hover
                                                        : ButtonState::Normal;
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(skin::colour::kDisabledOpacity);
    if (base_.empty()) {
        paintFlat(painter, state);
        paintFocusRing(painter, *this);
        return;
    }
    const QPixmap picture = skin::skinPixmap(skin::buttonPictureName(base_, state));
    if (!picture.isNull())
        painter.drawPixmap(rect(), picture);
    paintFocusRing(painter, *this);
    if (text().isEmpty())
        return;
    const skin::Rgb ink = state == ButtonState::Normal ? skin::colour::kMuted : skin::colour::kText;
    // A colour the layout table gave the button's caption replaces the skin's muted one.
    const bool laidOut = testAttribute(Qt::WA_SetPalette) && state == ButtonState::Normal;
    painter.setPen(laidOut ? palette().color(QPalette::ButtonText)
                           : QColor(skin::redOf(ink), skin::greenOf(ink), skin::blueOf(ink)));
    QFont font = painter.font();
    font.setBold(state == ButtonState::Selected);
    painter.setFont(font);
    const QRect area = rect().adjusted(inset_ > 0 ? inset_ : 6, 0, -6, 0);
    const QString shown = painter.fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    painter.drawText(area, static_cast<int>(alignment_ | Qt::AlignVCenter), shown);
}

}  // namespace gm::ui
