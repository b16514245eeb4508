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

// The picture `name` (see skin_catalogue.h) as drawn; a null image when there is none.
QImage skinImage(std::string_view name);

// The device pixel ratio the pictures are decoded for: the application's, or the drawn pictures'
// own when there is no application yet.
qreal screenPictureRatio();

// The picture `name` ready to paint at device pixel ratio `ratio` (see skinPixmap). Safe on any
// thread once the skin resources are registered (skinImage or skinPixmap registers them).
QImage decodeForScreen(std::string_view name, qreal ratio);

// The picture `name` ready to paint at the screen's device pixel ratio: the 1x copy on a plain
// screen, the drawn picture scaled once for ratios between, the drawn one from 2x up. Decoded
// once (or taken from a running PicturePrefetch), then kept in the pixmap cache. Null when there is
// none. GUI thread only.
QPixmap skinPixmap(std::string_view name);
// Whether skinPixmap has `name` decoded already. GUI thread only.
bool skinPixmapCached(std::string_view name);

}  // namespace gm::skin
