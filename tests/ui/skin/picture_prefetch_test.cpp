// Pictures decoded ahead on the worker thread are the ones skinPixmap would decode itself, are
// handed out once, and the stored copies keep an alpha channel only where a picture needs one.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmapCache>

#include "ui/skin/picture_prefetch.h"
#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_pictures.h"

namespace gm::skin {
namespace {

QImage asArgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(PicturePrefetch, HandsOutWhatTheScreenWouldDecodeOnceEach) {
    QPixmapCache::clear();
    const std::string frame = windowBackgroundName(1);
    const std::string page = pageBackgroundName(1, PageBackground::Light);
    const qreal ratio = qGuiApp->devicePixelRatio();
    PicturePrefetch prefetch({frame, page});

    const std::optional<QImage> taken = PicturePrefetch::take(page);
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(asArgb(*taken), asArgb(decodeForScreen(page, ratio)));
    EXPECT_FALSE(PicturePrefetch::take(page).has_value());
    EXPECT_FALSE(PicturePrefetch::take("Logo").has_value());

    // skinPixmap takes the frame from the prefetch and keeps it like any other picture.
    const QPixmap pixmap = skinPixmap(frame);
    EXPECT_EQ(asArgb(pixmap.toImage()), asArgb(decodeForScreen(frame, ratio)));
    EXPECT_TRUE(skinPixmapCached(frame));
    EXPECT_FALSE(PicturePrefetch::take(frame).has_value());
}

TEST(PicturePrefetch, SkipsPicturesDecodedBefore) {
    QPixmapCache::clear();
    const std::string frame = windowBackgroundName(2);
    skinPixmap(frame);
    PicturePrefetch prefetch({frame});
    EXPECT_FALSE(PicturePrefetch::take(frame).has_value());
}

TEST(SkinResources, OpaquePicturesAreStoredWithoutAlphaAndTheOthersWithIt) {
    EXPECT_FALSE(skinImage(windowBackgroundName(1)).hasAlphaChannel());
    EXPECT_FALSE(skinImage(kEngineeringBackground).hasAlphaChannel());
    // Page backgrounds are clear between their cards: the frame shows through.
    EXPECT_TRUE(skinImage(pageBackgroundName(1, PageBackground::Keys)).hasAlphaChannel());
}

}  // namespace
}  // namespace gm::skin
