#pragma once
// The skinned frame of the main window at its picture's size: the window background and the
// current page's background, painted under the bars, the page column and the pages.

#include <QPixmap>
#include <QWidget>

namespace gm::ui {

class SkinFrame final : public QWidget {
    Q_OBJECT
public:
    explicit SkinFrame(QWidget* parent) : QWidget(parent) { setObjectName("Img_Base_1"); }

    // `page` is drawn over the content rectangle; a null page draws nothing there.
    void setPictures(QPixmap window, QPixmap page, QRect pageArea);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap window_;
    QPixmap page_;
    QRect pageArea_;
};

}  // namespace gm::ui
