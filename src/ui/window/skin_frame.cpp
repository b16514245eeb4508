#include "ui/window/skin_frame.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "ui/skin/frame_geometry.h"

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

void SkinFrame::toggleMaximised() {
    QWidget* shown = window();
    if (maximised_) {
        shown->showNormal();
        // Back to the frame's size, where the window was before.
        shown->setGeometry(QRect(normalPlace_, size()));
    } else if (const QScreen* screen = shown->screen()) {
        normalPlace_ = shown->geometry().topLeft();
        // The available area leaves out the panels and task bars of the desktop.
        shown->setGeometry(screen->availableGeometry());
    }
    maximised_ = !maximised_;
}

bool SkinFrame::onTopBar(const QMouseEvent& event) const {
    return event.position().y() < skin::kTopBarHeight;
}

void SkinFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onTopBar(*event) && !maximised_) {
        dragOffset_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void SkinFrame::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_) {
        window()->move(event->globalPosition().toPoint() - *dragOffset_);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void SkinFrame::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    QWidget::mouseReleaseEvent(event);
}

void SkinFrame::mouseDoubleClickEvent(QMouseEvent* event) {
    if (onTopBar(*event))
        toggleMaximised();
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace gm::ui
