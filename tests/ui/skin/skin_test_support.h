#pragma once
// Pixel helpers for the skin tests: pictures are read at device pixels, positions are given in
// logical pixels.

#include <QColor>
#include <QImage>
#include <cstdlib>

#include "ui/skin/frame_geometry.h"
#include "ui/skin/skin_palette.h"

namespace gm::skin::test {

inline QColor pixelAt(const QImage& image, double x, double y) {
    return image.pixelColor(static_cast<int>(x * kPictureScale),
                            static_cast<int>(y * kPictureScale));
}

// True when `c` is opaque and within `tolerance` of `rgb` in every channel.
inline bool looksLike(const QColor& c, Rgb rgb, int tolerance) {
    return c.alpha() == 255 && std::abs(c.red() - redOf(rgb)) <= tolerance &&
           std::abs(c.green() - greenOf(rgb)) <= tolerance &&
           std::abs(c.blue() - blueOf(rgb)) <= tolerance;
}

}  // namespace gm::skin::test
