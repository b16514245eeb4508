#include "ui/window/skin_frame.h"

#include <QPainter>

namespace gm::ui {

void SkinFrame::setPictures(QPixmap window, QPixmap page, QRect pageArea) {
    window_ = std::move(window);
    page_ = std::move(page);
    pageArea_ = pageArea;
    update();
}

void SkinFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!window_.isNull())
        painter.drawPixmap(rect(), window_);
    if (!page_.isNull())
        painter.drawPixmap(pageArea_, page_);
}

}  // namespace gm::ui
