#include "ui/pages/widgets/colour_swatch.h"

#include <QPainter>

#include "ui/pages/widgets/focus_ring.h"

#include "ui/host/operation_host.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/skin_pictures.h"

namespace gm::ui {

ColourSwatch::ColourSwatch(OperationHost& host, QWidget* parent)
    : QAbstractButton(parent), host_(host) {
    setCursor(Qt::PointingHandCursor);
    takeKeyboardFocus(*this);
    setFixedSize(sizeHint());
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (const std::optional<QColor> picked = host_.chooseColour(colour_))
            emit chosen(*picked);
    });
}

QSize ColourSwatch::sizeHint() const {
    return {skin::kSwatchFrame.width, skin::kSwatchFrame.height};
}

void ColourSwatch::setColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    setToolTip(colour.name(QColor::HexRgb).toUpper());
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(skin::colour::kDisabledOpacity);
    const skin::SkinRect hole = skin::kSwatchHole;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_);
    painter.drawRoundedRect(QRectF(hole.x, hole.y, hole.width, hole.height), 3, 3);
    painter.drawPixmap(rect(), skin::skinPixmap("Col_F"));
    paintFocusRing(painter, *this, 4);
}

}  // namespace gm::ui
