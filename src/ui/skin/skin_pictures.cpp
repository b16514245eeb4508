#include "ui/skin/skin_pictures.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>
#include <cmath>

#include "ui/skin/frame_geometry.h"
#include "ui/skin/picture_prefetch.h"

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
namespace {

// The skin is PNG only: naming the format and not guessing it from the content keeps Qt from
// loading every image format plugin on the first picture.
QImage readPicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QString skinResourcePath(std::string_view name) {
    return QStringLiteral(":/skin/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".png");
}

QImage skinImage(std::string_view name) {
    registerSkinResources();
    QImage image = readPicture(skinResourcePath(name));
    if (!image.isNull()) {
        image.setDevicePixelRatio(kPictureScale);
    }
    return image;
}

namespace {

// Enough for every picture of one language at 1x and the current backgrounds at 2x; pictures
// out of use are dropped first.
constexpr int kCacheKilobytes = 32 * 1024;

QString cacheKey(std::string_view name) {
    return QStringLiteral("skin/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

qreal screenPictureRatio() {
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : kPictureScale;
}

QImage decodeForScreen(std::string_view name, qreal ratio) {
    if (ratio <= 1.0) {
        registerSkinResources();
        return readPicture(
            skinResourcePath(name).replace(QStringLiteral(".png"), QStringLiteral("@1x.png")));
    }
    QImage image = skinImage(name);
    if (image.isNull() || ratio >= kPictureScale)
        return image;
    const QSize logical = image.size() / kPictureScale;
    const QSize target(static_cast<int>(std::ceil(logical.width() * ratio)),
                       static_cast<int>(std::ceil(logical.height() * ratio)));
    QImage scaled = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

bool skinPixmapCached(std::string_view name) {
    QPixmap picture;
    return QPixmapCache::find(cacheKey(name), &picture);
}

QPixmap skinPixmap(std::string_view name) {
    static const bool limited = [] {
        QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), kCacheKilobytes));
        return true;
    }();
    (void)limited;
    const QString key = cacheKey(name);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        if (std::optional<QImage> prefetched = PicturePrefetch::take(name)) {
            picture = QPixmap::fromImage(std::move(*prefetched), Qt::NoOpaqueDetection);
        } else {
            picture = QPixmap::fromImage(decodeForScreen(name, screenPictureRatio()));
        }
        if (!picture.isNull())
            QPixmapCache::insert(key, picture);
    }
    return picture;
}

}  // namespace gm::skin
