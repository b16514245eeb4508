// The top view of the mouse for the key page: a graphite shell lit from the upper left, the two
// main buttons split by a groove, the wheel with accent light in its slot, the CPI buttons behind
// it, three thumb buttons, two right-flank buttons, the fire button at the front left and the
// glowing emblem on the palm. Every button is drawn at its hot spot from mouse_geometry.h, so the
// window's leader lines end on the button they name.

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <array>

#include "canvas.h"
#include "recipes.h"
#include "ui/skin/mouse_geometry.h"

namespace gm::skin::gen {
namespace {

constexpr double kMiddle = kMousePicture.width / 2.0;
// Height of the seam between the main buttons and the palm, at the flanks and on the middle.
constexpr double kSeamFlank = 130;
constexpr double kSeamMiddle = 142;

QPointF at(int key) {
    const SkinPoint p = mouseButton(key).hotSpot;
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

struct Cubic {
    QPointF c1, c2, end;
};

// The right half of the outline from the nose down to the tail; the left half mirrors it.
constexpr std::array<Cubic, 4> kRightHalf{{
    {{122, 8}, {143, 28}, {146, 56}},
    {{150, 86}, {152, 116}, {150, 140}},
    {{148, 168}, {161, 192}, {160, 222}},
    {{159, 266}, {126, 292}, {88, 292}},
}};

QPointF mirrored(const QPointF& p) {
    return {2 * kMiddle - p.x(), p.y()};
}

QPainterPath bodyOutline() {
    QPainterPath path(QPointF(kMiddle, 8));
    for (const Cubic& c : kRightHalf) {
        path.cubicTo(c.c1, c.c2, c.end);
    }
    // Back up the left side: the same curves mirrored and walked in reverse.
    for (std::size_t i = kRightHalf.size(); i-- > 0;) {
        const QPointF start = i == 0 ? QPointF(kMiddle, 8) : kRightHalf[i - 1].end;
        path.cubicTo(mirrored(kRightHalf[i].c2), mirrored(kRightHalf[i].c1), mirrored(start));
    }
    path.closeSubpath();
    return path;
}

// Everything in front of the seam, which bows backwards in the middle.
QPainterPath frontOfSeam() {
    QPainterPath path(QPointF(-10, -10));
    path.lineTo(kMousePicture.width + 10, -10);
    path.lineTo(kMousePicture.width + 10, kSeamFlank - 6);
    path.cubicTo(QPointF(140, kSeamFlank + 2), QPointF(110, kSeamMiddle),
                 QPointF(kMiddle, kSeamMiddle));
    path.cubicTo(QPointF(66, kSeamMiddle), QPointF(36, kSeamFlank + 2),
                 QPointF(-10, kSeamFlank - 6));
    path.closeSubpath();
    return path;
}

QPainterPath halfPlane(bool left) {
    QPainterPath path;
    path.addRect(left ? QRectF(-10, -10, kMiddle - 1.2 + 10, 400)
                      : QRectF(kMiddle + 1.2, -10, kMiddle + 10, 400));
    return path;
}

QLinearGradient shellGradient(const QRectF& over, double lift) {
    QLinearGradient g(over.topLeft(), over.bottomRight());
    g.setColorAt(0, qcolour(blend(colour::kShellLight, colour::kText, lift)));
    g.setColorAt(0.55, qcolour(blend(colour::kShellLight, colour::kShellDark, 0.55)));
    g.setColorAt(1, qcolour(colour::kShellDark));
    return g;
}

// A rounded pill centred on `centre`, turned by `degrees`.
QPainterPath pill(const QPointF& centre, double width, double height, double degrees) {
    QPainterPath shape = roundedRect(QRectF(-width / 2, -height / 2, width, height), width / 2);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    return t.map(shape);
}

void paintRaisedPart(QPainter& p, const QPainterPath& shape, double lift = 0.08) {
    p.fillPath(shape, shellGradient(shape.boundingRect(), lift));
    p.strokePath(shape, QPen(qcolour(colour::kShellEdge), 0.9));
}

void paintBody(QPainter& p, const QPainterPath& body) {
    const QRectF box = body.boundingRect();
    QLinearGradient base(box.topLeft(), box.bottomLeft());
    base.setColorAt(0, qcolour(colour::kShellLight));
    base.setColorAt(1, qcolour(colour::kShellDark));
    p.fillPath(body, base);

    p.save();
    p.setClipPath(body);
    // Main buttons: a touch lighter than the palm, split by the groove.
    const QPainterPath front = frontOfSeam().intersected(body);
    for (bool left : {true, false}) {
        const QPainterPath button = front.intersected(halfPlane(left));
        QLinearGradient g(button.boundingRect().topLeft(), button.boundingRect().bottomLeft());
        g.setColorAt(0, qcolour(blend(colour::kShellLight, colour::kText, 0.07)));
        g.setColorAt(1, qcolour(blend(colour::kShellLight, colour::kShellDark, 0.35)));
        p.fillPath(button, g);
    }
    p.setPen(QPen(qcolour(colour::kRubber), 2.2));
    p.drawLine(QPointF(kMiddle, 0), QPointF(kMiddle, kSeamMiddle));
    QPainterPath seam(QPointF(-10, kSeamFlank - 6));
    seam.cubicTo(QPointF(36, kSeamFlank + 2), QPointF(66, kSeamMiddle),
                 QPointF(kMiddle, kSeamMiddle));
    seam.cubicTo(QPointF(110, kSeamMiddle), QPointF(140, kSeamFlank + 2),
                 QPointF(kMousePicture.width + 10, kSeamFlank - 6));
    p.strokePath(seam, QPen(qcolour(colour::kRubber), 1.8));
    p.strokePath(seam.translated(0, 1.4), QPen(qcolour(colour::kText, 0.06), 0.8));

    // Light from the upper left, and the rim rolling away into shadow.
    QRadialGradient sheen(QPointF(58, 70), 110);
    sheen.setColorAt(0, qcolour(colour::kText, 0.10));
    sheen.setColorAt(1, qcolour(colour::kText, 0));
    p.fillPath(body, sheen);
    p.strokePath(body, QPen(QColor(0, 0, 0, 90), 9));
    p.strokePath(body, QPen(QColor(0, 0, 0, 70), 4));
    p.restore();
    p.strokePath(body, QPen(qcolour(colour::kShellEdge), 1.1));
}

void paintWheel(QPainter& p) {
    const QPointF c = at(7);
    const QRectF slot(c.x() - 10, c.y() - 23, 20, 46);
    p.fillPath(roundedRect(slot, 8), qcolour(colour::kRubber));
    // Accent light escaping from the slot on both sides of the wheel.
    for (double side : {-1.0, 1.0}) {
        const QRectF strip(c.x() + side * 7.6 - 0.9, slot.top() + 6, 1.8, slot.height() - 12);
        paintSoftShape(p, kMousePicture, roundedRect(strip, 0.9), qcolour(colour::kAccent, 0.9), 4);
        p.fillPath(roundedRect(strip, 0.9), qcolour(colour::kAccent));
    }
    const QRectF wheel(c.x() - 5.5, c.y() - 19, 11, 38);
    QLinearGradient roll(wheel.topLeft(), wheel.topRight());
    roll.setColorAt(0, qcolour(colour::kRubber));
    roll.setColorAt(0.45, qcolour(blend(colour::kShellLight, colour::kText, 0.12)));
    roll.setColorAt(1, qcolour(colour::kRubber));
    p.fillPath(roundedRect(wheel, 4.5), roll);
    // Rubber ribs, closer together towards the ends where the wheel curves away.
    p.save();
    p.setClipPath(roundedRect(wheel, 4.5));
    for (int i = -7; i <= 7; ++i) {
        const double y = c.y() + i * 2.6 * (1 - 0.012 * i * i);
        p.setPen(QPen(QColor(0, 0, 0, 110), 0.9));
        p.drawLine(QPointF(wheel.left(), y), QPointF(wheel.right(), y));
    }
    QLinearGradient ends(wheel.topLeft(), wheel.bottomLeft());
    ends.setColorAt(0, QColor(0, 0, 0, 150));
    ends.setColorAt(0.3, QColor(0, 0, 0, 0));
    ends.setColorAt(0.7, QColor(0, 0, 0, 0));
    ends.setColorAt(1, QColor(0, 0, 0, 150));
    p.fillRect(wheel, ends);
    p.restore();
}

// CPI up and down: two small keys on the groove, marked + and -.
void paintCpiButtons(QPainter& p) {
    for (int key : {6, 9}) {
        const QPointF c = at(key);
        const QRectF cap(c.x() - 6.5, c.y() - 7, 13, 14);
        p.fillPath(roundedRect(cap.adjusted(-1.2, -1.2, 1.2, 1.2), 4), qcolour(colour::kRubber));
        paintRaisedPart(p, roundedRect(cap, 3.5), 0.1);
        p.setPen(QPen(qcolour(colour::kText, 0.75), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-2.8, 0), c + QPointF(2.8, 0));
        if (key == 6) {
            p.drawLine(c + QPointF(0, -2.8), c + QPointF(0, 2.8));
        }
    }
}

// The CPI loop key on the palm, ringed by the light that shows the current level.
void paintCpiLoop(QPainter& p) {
    const QPointF c = at(8);
    QPainterPath ring;
    ring.addEllipse(c, 9.5, 9.5);
    paintSoftShape(p, kMousePicture, ring, qcolour(colour::kAccent, 0.5), 6);
    p.setPen(QPen(qcolour(colour::kAccent, 0.9), 1.3));
    p.setBrush(qcolour(colour::kRubber));
    p.drawEllipse(c, 9.2, 9.2);
    QPainterPath cap;
    cap.addEllipse(c, 7, 7);
    paintRaisedPart(p, cap, 0.1);
    p.setPen(QPen(qcolour(colour::kText, 0.7), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 3.6, c.y() - 3.6, 7.2, 7.2), 60 * 16, 280 * 16);
    p.drawLine(c + QPointF(1.8, -3.1), c + QPointF(3.9, -4.3));
    p.drawLine(c + QPointF(1.8, -3.1), c + QPointF(2.3, -0.9));
}

// Thumb buttons (left flank), right-flank buttons and the fire button, turned along the shell.
void paintEdgeButtons(QPainter& p) {
    struct EdgeButton {
        int key;
        double width, height, degrees;
    };
    constexpr std::array<EdgeButton, 6> buttons{{
        {5, 9, 30, 4},
        {2, 9, 30, -4},
        {10, 8, 22, -14},
        {11, 8, 24, -4},
        {12, 8, 24, 8},
        {3, 7.5, 18, 38},
    }};
    for (const EdgeButton& b : buttons) {
        const QPainterPath shape = pill(at(b.key), b.width, b.height, b.degrees);
        paintSoftShape(p, kMousePicture, shape, QColor(0, 0, 0, 160), 3, 0.6, 1.2);
        paintRaisedPart(p, shape, b.key == 3 ? 0.04 : 0.12);
        if (b.key == 3) {
            // The fire button carries a small accent mark.
            p.setPen(Qt::NoPen);
            p.setBrush(qcolour(colour::kAccent));
            p.drawEllipse(at(b.key), 1.6, 1.6);
        }
    }
}

// The emblem on the palm: a lit chevron with a pool of accent light around it, and the light bar
// along the tail.
void paintEmblemAndLightBar(QPainter& p, const QPainterPath& body) {
    const QPointF c(kMiddle, 224);
    QRadialGradient pool(c, 46);
    pool.setColorAt(0, qcolour(colour::kAccent, 0.30));
    pool.setColorAt(0.5, qcolour(colour::kAccent, 0.10));
    pool.setColorAt(1, qcolour(colour::kAccent, 0));
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(c.x() - 50, c.y() - 50, 100, 100), pool);
    p.restore();

    QPainterPath chevron;
    chevron.moveTo(c + QPointF(-13, -6));
    chevron.lineTo(c + QPointF(0, 6));
    chevron.lineTo(c + QPointF(13, -6));
    chevron.lineTo(c + QPointF(13, 1));
    chevron.lineTo(c + QPointF(0, 13));
    chevron.lineTo(c + QPointF(-13, 1));
    chevron.closeSubpath();
    QPainterPath tip;
    tip.moveTo(c + QPointF(-7, -12));
    tip.lineTo(c + QPointF(0, -5.5));
    tip.lineTo(c + QPointF(7, -12));
    tip.lineTo(c + QPointF(7, -8));
    tip.lineTo(c + QPointF(0, -1.5));
    tip.lineTo(c + QPointF(-7, -8));
    tip.closeSubpath();
    const QPainterPath emblem = chevron.united(tip);
    paintSoftShape(p, kMousePicture, emblem, qcolour(colour::kAccent, 0.9), 5);
    p.fillPath(emblem, qcolour(blend(colour::kAccent, colour::kText, 0.25)));

    // The light bar: the last stretch of the outline around the tail.
    QPainterPath tail(QPointF(40, 274));
    tail.cubicTo(QPointF(60, 289), QPointF(116, 289), QPointF(136, 274));
    paintSoftShape(p, kMousePicture, QPainterPathStroker(QPen(QColor(), 3)).createStroke(tail),
                   qcolour(colour::kAccent, 0.9), 7);
    p.strokePath(tail, QPen(qcolour(colour::kAccent, 0.9), 1.4, Qt::SolidLine, Qt::RoundCap));
}

QImage mousePicture() {
    QImage canvas = newCanvas(kMousePicture);
    QPainter p;
    beginPainting(p, canvas);
    const QPainterPath body = bodyOutline();
    paintSoftShape(p, kMousePicture, body, QColor(0, 0, 0, 170), 10, 0, 5);
    paintBody(p, body);
    paintEmblemAndLightBar(p, body);
    paintWheel(p);
    paintCpiButtons(p);
    paintCpiLoop(p);
    paintEdgeButtons(p);
    p.end();
    return canvas;
}

}  // namespace

void drawMouse(PictureSet& set) {
    set.add("Mouse", mousePicture());
}

}  // namespace gm::skin::gen
