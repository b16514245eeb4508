// Panels placed over a page: the three insert panels of the macro page (each with a faint
// watermark of what it inserts), the update banner and the message box background.

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "canvas.h"
#include "recipes.h"
#include "ui/skin/page_geometry.h"

namespace gm::skin::gen {
namespace {

using Watermark = std::function<void(QPainter&, const QPointF& centre)>;

void stopwatchMark(QPainter& p, const QPointF& c) {
    p.drawEllipse(c, 26, 26);
    p.drawLine(c + QPointF(-6, -33), c + QPointF(6, -33));
    p.drawLine(c + QPointF(0, -33), c + QPointF(0, -27));
    p.drawLine(c, c + QPointF(0, -16));
    p.drawLine(c, c + QPointF(11, 7));
}

void keycapMark(QPainter& p, const QPointF& c) {
    p.drawRoundedRect(QRectF(c.x() - 27, c.y() - 24, 54, 48), 9, 9);
    p.drawRoundedRect(QRectF(c.x() - 19, c.y() - 19, 38, 32), 6, 6);
    p.drawLine(c + QPointF(-7, -3), c + QPointF(7, -3));
}

void axesMark(QPainter& p, const QPointF& c) {
    p.drawLine(c + QPointF(-28, 0), c + QPointF(28, 0));
    p.drawLine(c + QPointF(0, -28), c + QPointF(0, 28));
    for (const QPointF& tip : {QPointF(28, 0), QPointF(0, -28)}) {
        const QPointF side = tip.x() > 0 ? QPointF(-6, 0) : QPointF(0, 6);
        const QPointF across = tip.x() > 0 ? QPointF(0, 5) : QPointF(5, 0);
        p.drawLine(c + tip, c + tip + side + across);
        p.drawLine(c + tip, c + tip + side - across);
    }
    p.drawEllipse(c + QPointF(14, -14), 4, 4);
}

QImage insertPanel(const Watermark& watermark) {
    QImage canvas = newCanvas(kInsertPanel);
    QPainter p;
    beginPainting(p, canvas);
    const QRectF body = wholeOf(kInsertPanel);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, qcolour(colour::kPanelHover));
    fill.setColorAt(1, qcolour(blend(colour::kPanelHover, colour::kPanel, 0.6)));
    p.fillPath(roundedRect(body, 10), fill);
    p.strokePath(roundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 9.5),
                 QPen(qcolour(colour::kAccent, 0.35), 1));
    // An accent stripe along the top says the panel is a temporary mode of the page.
    p.fillPath(roundedRect(QRectF(12, 0, body.width() - 24, 2.5), 1.25),
               qcolour(colour::kAccent, 0.8));
    p.setPen(QPen(qcolour(colour::kText, 0.07), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    watermark(p, QPointF(body.right() - 44, body.bottom() - 44));
    p.end();
    return canvas;
}

// The update banner: a controller chip on a board with traces running into it, lit in accent.
QImage updateBanner() {
    const SkinSize size = update_page::kBanner.size();
    QImage canvas = newCanvas(size);
    QPainter p;
    beginPainting(p, canvas);
    const QRectF body = wholeOf(size);
    const QPainterPath shape = roundedRect(body, kCardRadius);
    paintSoftShape(p, size, shape, QColor(0, 0, 0, 110), 10, 0, 3);
    QLinearGradient fill(body.topLeft(), body.topRight());
    fill.setColorAt(0, qcolour(colour::kPanel));
    fill.setColorAt(0.55, qcolour(blend(colour::kPanel, colour::kAccent, 0.06)));
    fill.setColorAt(1, qcolour(blend(colour::kPanel, colour::kAccent, 0.16)));
    p.fillPath(shape, fill);
    p.setClipPath(shape);

    // A fine dot grid fading in towards the chip.
    for (double x = 14; x < body.width(); x += 14) {
        for (double y = 14; y < body.height(); y += 14) {
            const double share = x / body.width();
            p.fillRect(QRectF(x, y, 1, 1), qcolour(colour::kText, 0.03 + 0.05 * share));
        }
    }

    const QPointF chip(body.width() - 150, body.height() / 2);
    const QRectF die(chip.x() - 38, chip.y() - 38, 76, 76);
    // Traces: from vias on the board into the pins.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const double pinY = die.top() + 10 + i * 9.3;
        const double startY = 14 + i * 20.0;
        // One bend column for all traces keeps their 45-degree runs parallel, so none cross.
        const double bendX = 330;
        QPainterPath trace;
        trace.moveTo(220 - i * 12.0, startY);
        trace.lineTo(bendX, startY);
        trace.lineTo(bendX + std::abs(pinY - startY), pinY);
        trace.lineTo(die.left() - 8, pinY);
        const double strength = 0.25 + 0.08 * (i % 3);
        p.setPen(QPen(qcolour(colour::kAccent, strength), 1.4, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(trace);
        p.setPen(QPen(qcolour(colour::kAccent, strength + 0.2), 1.2));
        p.drawEllipse(QPointF(220 - i * 12.0, startY), 2.6, 2.6);
    }
    // Right-hand traces leave the chip towards the edge.
    for (int i = 0; i < 5; ++i) {
        const double pinY = die.top() + 10 + (i + 1) * 9.3;
        p.setPen(QPen(qcolour(colour::kAccent, 0.22), 1.4));
        p.drawLine(QPointF(die.right() + 8, pinY), QPointF(body.width(), pinY + (i - 2) * 10.0));
    }

    QPainterPath dieShape = roundedRect(die, 8);
    paintSoftShape(p, size, dieShape, qcolour(colour::kAccent, 0.45), 22);
    // Pins on all four sides.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const double along = die.top() + 10 + i * 9.3;
        p.fillRect(QRectF(die.left() - 8, along - 1.5, 8, 3), qcolour(colour::kSteel, 0.8));
        p.fillRect(QRectF(die.right(), along - 1.5, 8, 3), qcolour(colour::kSteel, 0.8));
        const double across = die.left() + 10 + i * 9.3;
        p.fillRect(QRectF(across - 1.5, die.top() - 8, 3, 8), qcolour(colour::kSteel, 0.8));
        p.fillRect(QRectF(across - 1.5, die.bottom(), 3, 8), qcolour(colour::kSteel, 0.8));
    }
    QLinearGradient dieFill(die.topLeft(), die.bottomRight());
    dieFill.setColorAt(0, qcolour(colour::kShellLight));
    dieFill.setColorAt(1, qcolour(colour::kShellDark));
    p.fillPath(dieShape, dieFill);
    p.strokePath(dieShape, QPen(qcolour(colour::kShellEdge), 1));
    // The core of the die glows: this is where the new code goes.
    const QRectF core = die.adjusted(20, 20, -20, -20);
    QRadialGradient glow(core.center(), 26);
    glow.setColorAt(0, qcolour(blend(colour::kAccent, colour::kText, 0.3)));
    glow.setColorAt(0.6, qcolour(colour::kAccent));
    glow.setColorAt(1, qcolour(colour::kAccentFill));
    p.fillPath(roundedRect(core, 4), glow);
    p.drawEllipse(die.topLeft() + QPointF(9, 9), 2.5, 2.5);
    p.setClipping(false);
    p.strokePath(roundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), kCardRadius - 0.5),
                 QPen(qcolour(colour::kHairline), 1));
    p.end();
    return canvas;
}

// Background of the skinned message dialog: a card with an accent line at the top.
QImage messageBox() {
    QImage canvas = newCanvas(kMessageBox);
    QPainter p;
    beginPainting(p, canvas);
    const QRectF body = wholeOf(kMessageBox);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, qcolour(colour::kPanelHover));
    fill.setColorAt(1, qcolour(colour::kPanel));
    p.fillPath(roundedRect(body, 12), fill);
    p.strokePath(roundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 11.5),
                 QPen(qcolour(colour::kHairline), 1));
    p.fillPath(roundedRect(QRectF(16, 0, body.width() - 32, 3), 1.5), qcolour(colour::kAccent));
    // The button row sits on a slightly darker strip.
    const double footTop = body.height() - 56;
    p.save();
    p.setClipPath(roundedRect(body.adjusted(1, 1, -1, -1), 11));
    p.fillRect(QRectF(0, footTop, body.width(), 56), qcolour(colour::kBackground, 0.45));
    p.restore();
    paintHairline(p, QLineF(1, footTop + 0.5, body.width() - 1, footTop + 0.5),
                  qcolour(colour::kHairline));
    p.end();
    return canvas;
}

}  // namespace

void drawPanels(PictureSet& set) {
    set.add("InsertDelayBase", insertPanel(stopwatchMark));
    set.add("InsertKeyBase", insertPanel(keycapMark));
    set.add("InsertXYBase", insertPanel(axesMark));
    set.add("Update", updateBanner());
    set.add("MSG", messageBox());
}

}  // namespace gm::skin::gen
