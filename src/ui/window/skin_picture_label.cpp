#include "ui/window/skin_picture_label.h"

#include "ui/skin/skin_pictures.h"

namespace gm::ui {

SkinPictureLabel::SkinPictureLabel(std::string picture, QWidget* parent)
    : QLabel(parent), picture_(std::move(picture)) {}

void SkinPictureLabel::showEvent(QShowEvent* event) {
    if (pixmap().isNull())
        setPixmap(skin::skinPixmap(picture_));
    QLabel::showEvent(event);
}

}  // namespace gm::ui
