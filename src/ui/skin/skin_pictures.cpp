#include "ui/skin/skin_pictures.h"

#include <QFile>

#include "ui/skin/frame_geometry.h"

// The resources live in a static library; registering them by hand keeps the linker from dropping
// them when nothing else in their object file is referenced.
static void registerSkinResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(skin);
        return true;
    }();
    (void)registered;
}

namespace gm::skin {

QString skinResourcePath(std::string_view name) {
    return QStringLiteral(":/skin/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".png");
}

QImage skinImage(std::string_view name) {
    registerSkinResources();
    QImage image(skinResourcePath(name));
    if (!image.isNull()) {
        image.setDevicePixelRatio(kPictureScale);
    }
    return image;
}

QPixmap skinPixmap(std::string_view name) {
    return QPixmap::fromImage(skinImage(name));
}

}  // namespace gm::skin
