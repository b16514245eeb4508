#pragma once
// The skinned frame of the main window at its picture's size: the window background and the
// current page's background, painted under the bars, the page column and the pages. The window
// has no system frame, so its top bar moves the window when dragged and maximises it (or
// restores it) when double-clicked.

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <optional>

namespace gm::ui {

class SkinFrame final : public QWidget {
    Q_OBJECT
public:
    explicit SkinFrame(QWidget* parent) : QWidget(parent) { setObjectName("Img_Base_1"); }

    // `page` is drawn over the content rectangle; a null page draws nothing there.
    void setPictures(QPixmap window, QPixmap page, QRect pageArea);

    // Fills the available desktop area with the window, or gives it back the frame's size.
    void toggleMaximised();
    bool maximised() const { return maximised_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool onTopBar(const QMouseEvent& event) const;

    QPixmap window_;
    QPixmap page_;
    QRect pageArea_;
    bool maximised_ = false;
    QPoint normalPlace_;  // where the window was before it was maximised
    // Where the window's corner was from the pointer when the drag began.
    std::optional<QPoint> dragOffset_;
};

}  // namespace gm::ui
