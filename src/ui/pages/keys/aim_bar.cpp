#include "ui/pages/keys/aim_bar.h"

#include <QMouseEvent>
#include <QPainter>

#include "buttons/aim_key.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_pictures.h"

namespace gm::ui {

namespace {

constexpr int kSegments = static_cast<int>(buttons::kAimCpiLevels.size());

}  // namespace

AimBar::AimBar(QWidget* parent) : QWidget(parent) {
    setObjectName("Bar_AIM");
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

QSize AimBar::sizeHint() const {
    return {skin::barLength(kSegments, skin::kLongSegment), skin::kLongSegment.height};
}

void AimBar::setLevel(int level) {
    level_ = std::clamp(level, 1, kSegments);
    update();
}

void AimBar::setSliderStyle(bool slider) {
    slider_ = slider;
    update();
}

QPoint AimBar::segmentCentre(int level) const {
    const int pitch = skin::kLongSegment.width + skin::kSegmentGap;
    return {(level - 1) * pitch + skin::kLongSegment.width / 2, height() / 2};
}

void AimBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int pitch = skin::kLongSegment.width + skin::kSegmentGap;
    for (int n = 1; n <= kSegments; ++n) {
        const bool lit = slider_ ? n == level_ : n <= level_;
        painter.drawPixmap(
            QRect((n - 1) * pitch, 0, skin::kLongSegment.width, skin::kLongSegment.height),
            skin::skinPixmap(lit ? "Bar2_E" : "Bar2_D"));
    }
}

void AimBar::mousePressEvent(QMouseEvent* event) {
    const int pitch = skin::kLongSegment.width + skin::kSegmentGap;
    const int n = static_cast<int>(event->position().x()) / pitch + 1;
    if (n >= 1 && n <= kSegments)
        emit levelClicked(n);
}

}  // namespace gm::ui
