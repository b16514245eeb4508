// Check and radio marks (_D off, _E on), bar segments (_D unlit dark pill, _E lit accent pill)
// and the frame the window puts around a colour swatch.

#include <QLinearGradient>
#include <QRadialGradient>

#include "canvas.h"
#include "recipes.h"
#include "ui/skin/page_geometry.h"

namespace gm::skin::gen {
namespace {

QImage checkBox(bool on) {
    QImage canvas = newCanvas(kCheckMark);
    QPainter p;
    beginPainting(p, canvas);
    const QRectF box = wholeOf(kCheckMark).adjusted(1, 1, -1, -1);
    if (on) {
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, qcolour(blend(colour::kAccent, colour::kText, 0.25)));
        fill.setColorAt(1, qcolour(colour::kAccent));
        p.fillPath(roundedRect(box, 4.5), fill);
        QPainterPath tick;
        tick.moveTo(4.6, 9.2);
        tick.lineTo(7.6, 12.2);
        tick.lineTo(13.4, 5.8);
        p.strokePath(
            tick, QPen(qcolour(colour::kOnAccent), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        p.fillPath(roundedRect(box, 4.5), qcolour(colour::kSunken));
        p.strokePath(roundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 4),
                     QPen(qcolour(colour::kMuted, 0.55), 1));
    }
    p.end();
    return canvas;
}

QImage radioMark(bool on) {
    QImage canvas = newCanvas(kCheckMark);
    QPainter p;
    beginPainting(p, canvas);
    const QPointF c = wholeOf(kCheckMark).center();
    p.setBrush(qcolour(colour::kSunken));
    p.setPen(QPen(on ? qcolour(colour::kAccent) : qcolour(colour::kMuted, 0.55), 1.2));
    p.drawEllipse(c, 7.6, 7.6);
    if (on) {
        QRadialGradient dot(c - QPointF(1, 1), 5);
        dot.setColorAt(0, qcolour(blend(colour::kAccent, colour::kText, 0.35)));
        dot.setColorAt(1, qcolour(colour::kAccent));
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(c, 4.2, 4.2);
    }
    p.end();
    return canvas;
}

QImage barSegment(SkinSize size, bool lit) {
    QImage canvas = newCanvas(size);
    QPainter p;
    beginPainting(p, canvas);
    const QRectF pill = wholeOf(size);
    const double radius = size.height * 0.3;
    if (lit) {
        QLinearGradient fill(pill.topLeft(), pill.bottomLeft());
        fill.setColorAt(0, qcolour(blend(colour::kAccent, colour::kText, 0.22)));
        fill.setColorAt(0.45, qcolour(colour::kAccent));
        fill.setColorAt(1, qcolour(blend(colour::kAccent, colour::kBackground, 0.12)));
        p.fillPath(roundedRect(pill, radius), fill);
    } else {
        p.fillPath(roundedRect(pill, radius), qcolour(colour::kUnlit));
        p.strokePath(roundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5),
                     QPen(qcolour(blend(colour::kUnlit, colour::kText, 0.05)), 1));
    }
    p.end();
    return canvas;
}

// A ring with a transparent hole: the window paints the colour, then this frame on top.
QImage swatchFrame() {
    QImage canvas = newCanvas(kSwatchFrame);
    QPainter p;
    beginPainting(p, canvas);
    const QRectF outer = wholeOf(kSwatchFrame);
    const QRectF hole = qrect(kSwatchHole);
    QPainterPath ring = roundedRect(outer, 7);
    ring = ring.subtracted(roundedRect(hole, 4));
    p.fillPath(ring, qcolour(colour::kPanel));
    p.strokePath(roundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 6.5),
                 QPen(qcolour(colour::kHairline), 1));
    // A dark inner edge and a faint light rim make any colour look set into the panel.
    p.strokePath(roundedRect(hole.adjusted(-0.5, -0.5, 0.5, 0.5), 4.5),
                 QPen(QColor(0, 0, 0, 120), 1));
    p.strokePath(roundedRect(hole.adjusted(0.5, 0.5, -0.5, -0.5), 3.5),
                 QPen(QColor(255, 255, 255, 28), 1));
    p.end();
    return canvas;
}

}  // namespace

void drawMarks(PictureSet& set) {
    set.add("CbS_D", checkBox(false));
    set.add("CbS_E", checkBox(true));
    set.add("RdS_D", radioMark(false));
    set.add("RdS_E", radioMark(true));
    set.add("Bar1_D", barSegment(kShortSegment, false));
    set.add("Bar1_E", barSegment(kShortSegment, true));
    set.add("Bar2_D", barSegment(kLongSegment, false));
    set.add("Bar2_E", barSegment(kLongSegment, true));
    set.add("Col_F", swatchFrame());
}

}  // namespace gm::skin::gen
