// Small icons: one per macro event kind, the five column icons of the gun stage grid, the logo of
// the top bar, the application icon and the picture of the page that looks for the mouse.

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "canvas.h"
#include "recipes.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_catalogue.h"

namespace gm::skin::gen {
namespace {

using IconRecipe = std::function<void(QPainter&)>;

// Icons are drawn in a 20 x 20 space and scaled to their picture size.
QImage icon(SkinSize size, const IconRecipe& recipe) {
    QImage canvas = newCanvas(size);
    QPainter p;
    beginPainting(p, canvas);
    p.scale(size.width / 20.0, size.height / 20.0);
    p.setBrush(Qt::NoBrush);
    recipe(p);
    p.end();
    return canvas;
}

QPen line(Rgb rgb, double width = 1.5, double opacity = 1.0) {
    return QPen(qcolour(rgb, opacity), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void arrow(QPainter& p, QPointF from, QPointF to, double head = 3.2) {
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF unit = d / length;
    const QPointF normal(-unit.y(), unit.x());
    p.drawLine(to, to - unit * head + normal * head * 0.8);
    p.drawLine(to, to - unit * head - normal * head * 0.8);
}

void stopwatch(QPainter& p, Rgb face, Rgb hand) {
    p.setPen(line(face));
    p.drawEllipse(QPointF(10, 11), 6.8, 6.8);
    p.drawLine(QPointF(8, 2.2), QPointF(12, 2.2));
    p.drawLine(QPointF(10, 2.2), QPointF(10, 4.2));
    p.setPen(line(hand, 1.6));
    p.drawLine(QPointF(10, 11), QPointF(10, 7));
    p.drawLine(QPointF(10, 11), QPointF(13, 12.6));
}

void keycap(QPainter& p) {
    p.setPen(line(colour::kMuted));
    p.drawRoundedRect(QRectF(2.5, 6.5, 15, 11), 2.6, 2.6);
}

void repeatLoop(QPainter& p) {
    p.setPen(line(colour::kMuted));
    p.drawArc(QRectF(3, 3.5, 14, 13), 100 * 16, 250 * 16);
    p.drawLine(QPointF(8.8, 3.6), QPointF(11.2, 2));
    p.drawLine(QPointF(8.8, 3.6), QPointF(11, 5.8));
}

void drawEventIcons(PictureSet& set) {
    set.add("EvtDelay",
            icon(kEventIcon, [](QPainter& p) { stopwatch(p, colour::kMuted, colour::kAccent); }));
    set.add("EvtPress", icon(kEventIcon, [](QPainter& p) {
                keycap(p);
                p.setPen(line(colour::kAccent, 1.6));
                arrow(p, QPointF(10, 1.5), QPointF(10, 12.5));
            }));
    set.add("EvtRelease", icon(kEventIcon, [](QPainter& p) {
                keycap(p);
                p.setPen(line(colour::kText, 1.6, 0.8));
                arrow(p, QPointF(10, 14), QPointF(10, 2));
            }));
    set.add("EvtMove", icon(kEventIcon, [](QPainter& p) {
                p.setPen(line(colour::kMuted));
                arrow(p, QPointF(10, 10), QPointF(2.5, 10), 2.6);
                arrow(p, QPointF(10, 10), QPointF(17.5, 10), 2.6);
                arrow(p, QPointF(10, 10), QPointF(10, 2.5), 2.6);
                arrow(p, QPointF(10, 10), QPointF(10, 17.5), 2.6);
                p.setPen(Qt::NoPen);
                p.setBrush(qcolour(colour::kAccent));
                p.drawEllipse(QPointF(10, 10), 2.2, 2.2);
            }));
    set.add("EvtRepeatStart", icon(kEventIcon, [](QPainter& p) {
                repeatLoop(p);
                p.setPen(Qt::NoPen);
                p.setBrush(qcolour(colour::kAccent));
                p.drawPolygon(QPolygonF({QPointF(8, 7), QPointF(14, 10.2), QPointF(8, 13.4)}));
            }));
    set.add("EvtRepeatStop", icon(kEventIcon, [](QPainter& p) {
                repeatLoop(p);
                p.setPen(Qt::NoPen);
                p.setBrush(qcolour(colour::kAccent));
                p.drawRoundedRect(QRectF(7.2, 7.2, 5.8, 5.8), 1, 1);
            }));
}

// Column icons of the stage grid: burst count, X drift, Y pull, delay between shots, colour.
void drawStageIcons(PictureSet& set) {
    const std::array<IconRecipe, kGunStageIcons> recipes{{
        [](QPainter& p) {
            for (int i = 0; i < 3; ++i) {
                const double x = 4 + i * 5.2;
                QPainterPath round(QPointF(x, 17));
                round.lineTo(x, 8.5);
                round.cubicTo(QPointF(x, 5), QPointF(x + 1.7, 3), QPointF(x + 1.7, 3));
                round.cubicTo(QPointF(x + 1.7, 3), QPointF(x + 3.4, 5), QPointF(x + 3.4, 8.5));
                round.lineTo(x + 3.4, 17);
                round.closeSubpath();
                p.fillPath(round, qcolour(i == 2 ? colour::kAccent : colour::kMuted));
            }
        },
        [](QPainter& p) {
            p.setPen(line(colour::kMuted));
            arrow(p, QPointF(10, 10), QPointF(2.5, 10));
            p.setPen(line(colour::kAccent));
            arrow(p, QPointF(10, 10), QPointF(17.5, 10));
        },
        [](QPainter& p) {
            p.setPen(line(colour::kMuted));
            arrow(p, QPointF(10, 10), QPointF(10, 2.5));
            p.setPen(line(colour::kAccent));
            arrow(p, QPointF(10, 10), QPointF(10, 17.5));
        },
        [](QPainter& p) { stopwatch(p, colour::kMuted, colour::kAccent); },
        [](QPainter& p) {
            QPainterPath drop(QPointF(10, 2.5));
            drop.cubicTo(QPointF(13, 7), QPointF(15.5, 9.5), QPointF(15.5, 12.5));
            drop.cubicTo(QPointF(15.5, 15.7), QPointF(13, 17.8), QPointF(10, 17.8));
            drop.cubicTo(QPointF(7, 17.8), QPointF(4.5, 15.7), QPointF(4.5, 12.5));
            drop.cubicTo(QPointF(4.5, 9.5), QPointF(7, 7), QPointF(10, 2.5));
            QLinearGradient hue(QPointF(4.5, 4), QPointF(15.5, 18));
            hue.setColorAt(0, qcolour(colour::kWarmHue));
            hue.setColorAt(0.5, qcolour(colour::kAccent));
            hue.setColorAt(1, qcolour(colour::kCoolHue));
            p.fillPath(drop, hue);
        },
    }};
    for (int column = 1; column <= kGunStageIcons; ++column) {
        set.add(gunStageIconName(column),
                icon(kStageIcon, recipes.at(static_cast<std::size_t>(column - 1))));
    }
}

// The mark of the program: a mouse outline with its wheel lit, in a 100 x 100 space.
QPainterPath markOutline() {
    QPainterPath body(QPointF(50, 10));
    body.cubicTo(QPointF(72, 10), QPointF(80, 26), QPointF(80, 46));
    body.lineTo(80, 62);
    body.cubicTo(QPointF(80, 80), QPointF(67, 92), QPointF(50, 92));
    body.cubicTo(QPointF(33, 92), QPointF(20, 80), QPointF(20, 62));
    body.lineTo(20, 46);
    body.cubicTo(QPointF(20, 26), QPointF(28, 10), QPointF(50, 10));
    body.closeSubpath();
    return body;
}

void paintMark(QPainter& p, SkinSize canvasSize, double glow) {
    const QPainterPath body = markOutline();
    const QPen outline(qcolour(colour::kAccent), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPainterPath stroke = QPainterPathStroker(outline).createStroke(body);
    QPainterPath seam(QPointF(22, 44));
    seam.cubicTo(QPointF(34, 48), QPointF(66, 48), QPointF(78, 44));
    QPainterPath parts = stroke.united(QPainterPathStroker(QPen(QColor(), 4.5)).createStroke(seam));
    parts = parts.united(roundedRect(QRectF(45.5, 22, 9, 18), 4.5));
    if (glow > 0) {
        paintSoftShape(p, canvasSize, parts, qcolour(colour::kAccent, glow), 9);
    }
    QLinearGradient fill(QPointF(0, 10), QPointF(0, 92));
    fill.setColorAt(0, qcolour(blend(colour::kAccent, colour::kText, 0.3)));
    fill.setColorAt(1, qcolour(colour::kAccent));
    p.fillPath(parts, fill);
}

QImage logo() {
    QImage canvas = newCanvas(kLogo);
    QPainter p;
    beginPainting(p, canvas);
    p.scale(kLogo.width / 100.0, kLogo.height / 100.0);
    paintMark(p, kLogo, 0);
    p.end();
    return canvas;
}

QImage appIcon() {
    QImage canvas = newCanvas(kAppIcon);
    QPainter p;
    beginPainting(p, canvas);
    p.scale(kAppIcon.width / 100.0, kAppIcon.height / 100.0);
    const QRectF tile(6, 6, 88, 88);
    const QPainterPath tileShape = roundedRect(tile, 20);
    paintSoftShape(p, kAppIcon, tileShape, QColor(0, 0, 0, 140), 3, 0, 1.5);
    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0, qcolour(blend(colour::kPanel, colour::kText, 0.08)));
    fill.setColorAt(1, qcolour(colour::kBackground));
    p.fillPath(tileShape, fill);
    QRadialGradient pool(QPointF(50, 70), 44);
    pool.setColorAt(0, qcolour(colour::kAccent, 0.22));
    pool.setColorAt(1, qcolour(colour::kAccent, 0));
    p.fillPath(tileShape, pool);
    p.strokePath(roundedRect(tile.adjusted(0.4, 0.4, -0.4, -0.4), 19.6),
                 QPen(qcolour(colour::kHairline), 0.8));
    p.translate(50, 51);
    p.scale(0.7, 0.7);
    p.translate(-50, -51);
    paintMark(p, kAppIcon, 0.8);
    p.end();
    return canvas;
}

// For the page shown while the mouse is looked for: the mark, dimmed, sending out rings of
// accent like a radar, with the cable trailing off to a plug.
QImage searching() {
    QImage canvas = newCanvas(kSearching);
    QPainter p;
    beginPainting(p, canvas);
    const QPointF centre(kSearching.width / 2.0, 90);
    p.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 3; ++ring) {
        const double radius = 44 + ring * 16;
        p.setPen(
            QPen(qcolour(colour::kAccent, 0.32 - ring * 0.09), 1.5, Qt::SolidLine, Qt::RoundCap));
        // Arcs on both sides only, so the rings read as a signal, not as a target.
        p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                  -40 * 16, 80 * 16);
        p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                  140 * 16, 80 * 16);
    }
    QPainterPath cable(QPointF(centre.x(), centre.y() - 32));
    cable.cubicTo(QPointF(centre.x(), centre.y() - 54), QPointF(centre.x() + 40, centre.y() - 40),
                  QPointF(centre.x() + 54, centre.y() - 62));
    p.setPen(QPen(qcolour(colour::kMuted, 0.6), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    const QRectF plug(centre.x() + 48, centre.y() - 71, 13, 9);
    p.fillPath(roundedRect(plug, 2), qcolour(colour::kMuted, 0.8));
    p.fillRect(QRectF(plug.left() + 3, plug.top() - 5, 7, 5), qcolour(colour::kSteelDark));
    p.save();
    p.translate(centre.x() - 30, centre.y() - 40);
    p.scale(0.6, 0.8);
    p.setOpacity(0.75);
    paintMark(p, kSearching, 0.5);
    p.restore();
    p.end();
    return canvas;
}

}  // namespace

void drawIcons(PictureSet& set) {
    drawEventIcons(set);
    drawStageIcons(set);
    set.add("Logo", logo());
    set.add("AppIcon", appIcon());
    set.add("Searching", searching());
}

}  // namespace gm::skin::gen
