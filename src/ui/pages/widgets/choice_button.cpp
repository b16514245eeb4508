#include "ui/pages/widgets/choice_button.h"

#include <QPainter>

#include "ui/pages/widgets/focus_ring.h"

#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/skin_pictures.h"

namespace gm::ui {

namespace {

QColor qcolour(skin::Rgb rgb) {
    return QColor(skin::redOf(rgb), skin::greenOf(rgb), skin::blueOf(rgb));
}

}  // namespace

MarkButton::MarkButton(Kind kind, QWidget* parent) : QAbstractButton(parent), kind_(kind) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(sizeHint());
}

QSize MarkButton::sizeHint() const {
    return {skin::kCheckMark.width, skin::kCheckMark.height};
}

void MarkButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(skin::colour::kDisabledOpacity);
    const char* base = kind_ == Kind::Check ? "CbS" : "RdS";
    const QString name = QString(base) + (isChecked() ? "_E" : "_D");
    painter.drawPixmap(rect(), skin::skinPixmap(name.toStdString()));
}

CaptionButton::CaptionButton(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    // The caption is the pair's Tab stop; its mark only mirrors it.
    takeKeyboardFocus(*this);
}

void CaptionButton::setDimmed(bool dimmed) {
    dimmed_ = dimmed;
    update();
}

QSize CaptionButton::sizeHint() const {
    // Wide enough for the checked caption, which is drawn bolder.
    QFont bold = font();
    bold.setWeight(QFont::DemiBold);
    const QFontMetrics metrics(bold);
    return {metrics.horizontalAdvance(text()) + 4, metrics.height() + 8};
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(skin::colour::kDisabledOpacity);
    skin::Rgb colour = skin::colour::kText;
    if (dimmed_)
        colour = skin::colour::kMuted;
    else if (isChecked())
        colour = skin::colour::kAccent;
    QFont shown = font();
    shown.setWeight(isChecked() && !dimmed_ ? QFont::DemiBold : QFont::Normal);
    painter.setFont(shown);
    painter.setPen(qcolour(colour));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
    paintFocusRing(painter, *this, 3);
}

}  // namespace gm::ui
