#include "ui/window/loading_form.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/skin/skin_palette.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

constexpr QSize kFormSize{300, 76};

}  // namespace

LoadingForm::LoadingForm(QWidget* window) : QWidget(window) {
    setObjectName("TFormLoadingUI");
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    resize(kFormSize);
    hide();
}

void LoadingForm::setProgress(int chunk, int chunks, const QString& caption) {
    chunk_ = chunk;
    chunks_ = chunks;
    caption_ = caption;
    if (QWidget* window = parentWidget())
        move((window->width() - width()) / 2, (window->height() - height()) / 2);
    raise();
    show();
    repaint();
}

void LoadingForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    painter.fillPath(frame, skin::qColour(skin::colour::kPanel));
    painter.setPen(skin::qColour(skin::colour::kHairline));
    painter.drawPath(frame);

    painter.setPen(skin::qColour(skin::colour::kText));
    painter.drawText(QRect(18, 12, width() - 36, 24), Qt::AlignLeft | Qt::AlignVCenter, caption_);

    const QRectF track(18, 46, width() - 36, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin::qColour(skin::colour::kUnlit));
    painter.drawRoundedRect(track, 4, 4);
    if (chunks_ > 0) {
        const double share = std::clamp(static_cast<double>(chunk_ + 1) / chunks_, 0.0, 1.0);
        painter.setBrush(skin::qColour(skin::colour::kAccent));
        painter.drawRoundedRect(QRectF(track.x(), track.y(), track.width() * share, track.height()),
                                4, 4);
    }
}

}  // namespace gm::ui
