#include "ui/skin/picture_prefetch.h"

#include "ui/skin/skin_pictures.h"

namespace gm::skin {
namespace {

PicturePrefetch* running = nullptr;

}  // namespace

PicturePrefetch::PicturePrefetch(const std::vector<std::string>& names) {
    const qreal ratio = screenPictureRatio();
    pictures_.reserve(names.size());
    for (const std::string& name : names) {
        if (skinPixmapCached(name))
            continue;
        Picture& picture = pictures_.emplace_back();
        picture.name = name;
        picture.image = picture.decoded.get_future();
    }
    // The pixmap made from the picture on the GUI thread then needs no conversion.
    worker_ = std::thread([this, ratio] {
        for (Picture& picture : pictures_) {
            QImage image = decodeForScreen(picture.name, ratio);
            if (image.format() == QImage::Format_ARGB32)
                image.convertTo(QImage::Format_ARGB32_Premultiplied);
            picture.decoded.set_value(std::move(image));
        }
    });
    running = this;
}

PicturePrefetch::~PicturePrefetch() {
    if (running == this)
        running = nullptr;
    worker_.join();
}

std::optional<QImage> PicturePrefetch::take(std::string_view name) {
    if (running == nullptr)
        return std::nullopt;
    for (Picture& picture : running->pictures_) {
        if (picture.name == name && picture.image.valid())
            return picture.image.get();
    }
    return std::nullopt;
}

}  // namespace gm::skin
