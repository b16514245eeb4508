#pragma once
// Drawing helpers every recipe shares: a transparent 2x canvas, palette colours as QColor, soft
// shadows and glows, and the card every panel of the skin is made of.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include "ui/skin/frame_geometry.h"
#include "ui/skin/skin_palette.h"

namespace gm::skin::gen {

// A transparent image of `size` logical pixels at kPictureScale; a QPainter on it works in
// logical pixels.
QImage newCanvas(SkinSize size);

// A painter with antialiasing and smooth scaling on.
void beginPainting(QPainter& painter, QImage& canvas);

QColor qcolour(Rgb rgb, double opacity = 1.0);
QRectF qrect(const SkinRect& rect);
QRectF wholeOf(SkinSize size);

QPainterPath roundedRect(const QRectF& rect, double radius);

// Paints `shape` blurred by `radius` logical pixels in `colour`, shifted by (dx, dy): a shadow
// under the shape or, in a light colour, a glow around it.
void paintSoftShape(QPainter& painter, SkinSize canvasSize, const QPainterPath& shape,
                    const QColor& colour, double radius, double dx = 0, double dy = 0);

// A panel card: soft shadow, panel fill with a faint top sheen, hairline border.
void paintCard(QPainter& painter, SkinSize canvasSize, const QRectF& rect, double radius = 12);

// A hairline that lands on whole device pixels: a 1-logical-pixel line along a rect edge.
void paintHairline(QPainter& painter, const QLineF& line, const QColor& colour);

}  // namespace gm::skin::gen
