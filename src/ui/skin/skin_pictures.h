#pragma once
// Loading the embedded skin pictures. They are drawn at kPictureScale device pixels per logical
// pixel; these functions hand them out with that device pixel ratio set, so Qt paints them at
// their logical size and crisp on HiDPI screens.

#include <QImage>
#include <QPixmap>
#include <QString>
#include <string_view>

namespace gm::skin {

// ":/skin/<name>.png"
QString skinResourcePath(std::string_view name);

// The picture `name` (see skin_catalogue.h); a null image or pixmap when there is none.
QImage skinImage(std::string_view name);
QPixmap skinPixmap(std::string_view name);

}  // namespace gm::skin
