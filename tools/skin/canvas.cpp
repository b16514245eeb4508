#include "canvas.h"

#include <QLinearGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

namespace gm::skin::gen {
namespace {

// A running-sum box blur of `length` pixels spaced `stride` apart, all four channels of a
// premultiplied image; pixels outside the line count as transparent.
void blurLine(QRgb* first, std::ptrdiff_t stride, int length, int radius,
              std::vector<QRgb>& source) {
    source.resize(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        source[static_cast<std::size_t>(i)] = first[i * stride];
    }
    auto channel = [&](int i, int shift) {
        if (i < 0 || i >= length) {
            return 0;
        }
        return static_cast<int>((source[static_cast<std::size_t>(i)] >> shift) & 0xFF);
    };
    const int window = 2 * radius + 1;
    int a = 0, r = 0, g = 0, b = 0;
    for (int i = -radius; i <= radius; ++i) {
        a += channel(i, 24);
        r += channel(i, 16);
        g += channel(i, 8);
        b += channel(i, 0);
    }
    for (int i = 0; i < length; ++i) {
        first[i * stride] = qRgba(r / window, g / window, b / window, a / window);
        a += channel(i + radius + 1, 24) - channel(i - radius, 24);
        r += channel(i + radius + 1, 16) - channel(i - radius, 16);
        g += channel(i + radius + 1, 8) - channel(i - radius, 8);
        b += channel(i + radius + 1, 0) - channel(i - radius, 0);
    }
}

// One horizontal and one vertical pass; three of them approximate a Gaussian blur.
void boxBlurPass(QImage& image, int radius) {
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    const std::ptrdiff_t row = image.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(QRgb));
    std::vector<QRgb> scratch;
    for (int y = 0; y < image.height(); ++y) {
        blurLine(pixels + y * row, 1, image.width(), radius, scratch);
    }
    for (int x = 0; x < image.width(); ++x) {
        blurLine(pixels + x, row, image.height(), radius, scratch);
    }
}

}  // namespace

QImage newCanvas(SkinSize size) {
    QImage canvas(size.width * kPictureScale, size.height * kPictureScale,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    canvas.setDevicePixelRatio(kPictureScale);
    return canvas;
}

void beginPainting(QPainter& painter, QImage& canvas) {
    painter.begin(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor qcolour(Rgb rgb, double opacity) {
    QColor c(redOf(rgb), greenOf(rgb), blueOf(rgb));
    c.setAlphaF(static_cast<float>(opacity));
    return c;
}

QRectF qrect(const SkinRect& rect) {
    return QRectF(rect.x, rect.y, rect.width, rect.height);
}

QRectF wholeOf(SkinSize size) {
    return QRectF(0, 0, size.width, size.height);
}

QPainterPath roundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void paintSoftShape(QPainter& painter, SkinSize canvasSize, const QPainterPath& shape,
                    const QColor& colour, double radius, double dx, double dy) {
    // Blur only the shape's neighbourhood: three box passes spread it by about 1.5 radii.
    QTransform place = painter.transform();
    place.translate(dx, dy);
    const QRect area = place.mapRect(shape.boundingRect())
                           .adjusted(-2 * radius, -2 * radius, 2 * radius, 2 * radius)
                           .toAlignedRect()
                           .intersected(QRect(0, 0, canvasSize.width, canvasSize.height));
    if (area.isEmpty()) {
        return;
    }
    QImage layer = newCanvas({area.width(), area.height()});
    {
        QPainter p;
        beginPainting(p, layer);
        p.translate(-area.x(), -area.y());
        p.setTransform(place, true);
        p.fillPath(shape, colour);
    }
    const int devicePixels =
        std::max(1, static_cast<int>(std::lround(radius * kPictureScale / 2.0)));
    for (int pass = 0; pass < 3; ++pass) {
        boxBlurPass(layer, devicePixels);
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(area.topLeft(), layer);
    painter.restore();
}

void paintCard(QPainter& painter, SkinSize canvasSize, const QRectF& rect, double radius) {
    const QPainterPath shape = roundedRect(rect, radius);
    paintSoftShape(painter, canvasSize, shape, QColor(0, 0, 0, 110), 10, 0, 3);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, qcolour(blend(colour::kPanel, colour::kText, 0.025)));
    fill.setColorAt(0.3, qcolour(colour::kPanel));
    fill.setColorAt(1, qcolour(colour::kPanel));
    painter.fillPath(shape, fill);
    painter.setPen(QPen(qcolour(colour::kHairline), 1));
    painter.drawPath(roundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius));
}

void paintHairline(QPainter& painter, const QLineF& line, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 1));
    painter.drawLine(line);
    painter.restore();
}

}  // namespace gm::skin::gen
