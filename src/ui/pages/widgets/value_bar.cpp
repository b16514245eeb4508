#include "ui/pages/widgets/value_bar.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/skin_pictures.h"

namespace gm::ui {

namespace {

// One segment: the lit or unlit picture, at the disabled opacity when the bar is disabled.
class BarSegment final : public QAbstractButton {
public:
    BarSegment(QPixmap lit, QPixmap unlit, QWidget* parent)
        : QAbstractButton(parent), lit_(std::move(lit)), unlit_(std::move(unlit)) {
        setCheckable(true);
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!isEnabled())
            painter.setOpacity(skin::colour::kDisabledOpacity);
        painter.drawPixmap(rect(), isChecked() ? lit_ : unlit_);
    }
    // The bar decides what a click means; the segment's own check state follows the value.
    void nextCheckState() override {}

private:
    QPixmap lit_;
    QPixmap unlit_;
};

}  // namespace

ValueBar::ValueBar(int segments, Segment kind, const QString& prefix, QWidget* parent)
    : QWidget(parent) {
    const bool isLong = kind == Segment::Long;
    const skin::SkinSize size = isLong ? skin::kLongSegment : skin::kShortSegment;
    const QPixmap lit = skin::skinPixmap(isLong ? "Bar2_E" : "Bar1_E");
    const QPixmap unlit = skin::skinPixmap(isLong ? "Bar2_D" : "Bar1_D");
    setFocusPolicy(Qt::StrongFocus);
    for (int n = 1; n <= segments; ++n) {
        auto* segment = new BarSegment(lit, unlit, this);
        segment->setObjectName(prefix + QString::number(n));
        segment->setGeometry(kFocusMargin + (n - 1) * (size.width + skin::kSegmentGap),
                             kFocusMargin, size.width, size.height);
        connect(segment, &QAbstractButton::clicked, this, [this, n] {
            setFocus(Qt::MouseFocusReason);
            emit chosen(n);
        });
        segments_.push_back(segment);
    }
    setFixedSize(sizeHint());
}

QSize ValueBar::sizeHint() const {
    const QRect last = segments_.back()->geometry();
    return {last.right() + 1 + kFocusMargin, last.bottom() + 1 + kFocusMargin};
}

void ValueBar::paintEvent(QPaintEvent*) {
    // Focus reached from the keyboard: a thin accent frame around the segments (Left/Right
    // step the value). A click focuses the bar too, without the frame.
    if (!hasFocus() || !keyboardFocus_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const skin::Rgb accent = skin::colour::kAccent;
    painter.setPen(
        QPen(QColor(skin::redOf(accent), skin::greenOf(accent), skin::blueOf(accent)), 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

void ValueBar::setValue(int value) {
    value_ = value;
    relight();
}

void ValueBar::setLook(Look look) {
    look_ = look;
    relight();
}

void ValueBar::relight() {
    for (int n = 1; n <= segmentCount(); ++n) {
        const bool lit = look_ == Look::Fill ? n <= value_ : n == value_;
        segment(n)->setChecked(lit);
    }
}

void ValueBar::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int next = std::clamp(value_ + step, 1, segmentCount());
    if (next != value_)
        emit chosen(next);
}

void ValueBar::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = event->reason() != Qt::MouseFocusReason;
    update();
    QWidget::focusInEvent(event);
}

void ValueBar::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void ValueBar::changeEvent(QEvent* event) {
    // Segments repaint at the disabled opacity with their bar.
    if (event->type() == QEvent::EnabledChange) {
        for (QAbstractButton* segment : segments_)
            segment->update();
    }
    QWidget::changeEvent(event);
}

}  // namespace gm::ui
