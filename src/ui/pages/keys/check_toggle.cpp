#include "ui/pages/keys/check_toggle.h"

#include <QPainter>

#include "ui/pages/widgets/focus_ring.h"

#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/skin_pictures.h"

namespace gm::ui {

namespace {

constexpr int kTextInset = skin::kCheckMark.width + 8;

}  // namespace

CheckToggle::CheckToggle(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    takeKeyboardFocus(*this);
}

void CheckToggle::setOn(bool on) {
    on_ = on;
    update();
}

QSize CheckToggle::sizeHint() const {
    return {kTextInset + fontMetrics().horizontalAdvance(text()),
            std::max(skin::kCheckMark.height, fontMetrics().height())};
}

bool CheckToggle::hasHeightForWidth() const {
    return true;
}

int CheckToggle::heightForWidth(int width) const {
    const QRect needed =
        fontMetrics().boundingRect(QRect(0, 0, width - kTextInset, 1000), Qt::TextWordWrap, text());
    return std::max(skin::kCheckMark.height, needed.height());
}

void CheckToggle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(skin::colour::kDisabledOpacity);
    const skin::SkinSize mark = skin::kCheckMark;
    // The mark stands level with the first line of the caption.
    const int firstLine = text().isEmpty() ? height() : std::min(height(), fontMetrics().height());
    const QRect markRect(0, (firstLine - mark.height) / 2, mark.width, mark.height);
    painter.drawPixmap(markRect, skin::skinPixmap(on_ ? "CbS_E" : "CbS_D"));
    const skin::Rgb ink = on_ || underMouse() ? skin::colour::kText : skin::colour::kMuted;
    painter.setPen(QColor(skin::redOf(ink), skin::greenOf(ink), skin::blueOf(ink)));
    const QRect textRect = rect().adjusted(kTextInset, 0, 0, 0);
    painter.drawText(textRect, Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap, text());
    paintFocusRing(painter, *this, 3);
}

}  // namespace gm::ui
