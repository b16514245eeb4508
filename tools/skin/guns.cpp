// The seven gun cards of the gun-preset page. Each gun is a side view, muzzle to the right, built
// from a few parts in a 100 x 40 drawing space (bore line at y 14): stock, receiver, handguard,
// barrel, magazine and grip, plus what sets the gun apart (carry handle, rail, scope, bullpup).
// Normal cards show the gun in steel, selected cards in accent with a glow; in both the furniture
// is a shade darker than the metal.

#include <QLinearGradient>
#include <QPolygonF>
#include <QTransform>
#include <functional>
#include <vector>

#include "canvas.h"
#include "recipes.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_catalogue.h"

namespace gm::skin::gen {
namespace {

constexpr QRectF kDrawingSpace(0, 0, 100, 40);

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath box(double x, double y, double w, double h, double radius = 0.8) {
    return roundedRect(QRectF(x, y, w, h), radius);
}

// Parts shared by several guns.
namespace part {

QPainterPath barrel(double from, double to) {
    return box(from, 13, to - from, 2.4, 0.5);
}

QPainterPath muzzleBrake(double at) {
    return box(at - 4, 12.2, 4.5, 4, 0.6);
}

QPainterPath grip(double x, double rake = 4) {
    return polygon({{x, 19}, {x + 5.5, 19}, {x + 5.5 - rake, 30}, {x - rake - 0.3, 29.5}});
}

QPainterPath triggerGuard(double x) {
    QPainterPath outer = box(x, 19, 10, 6, 2.6);
    return outer.subtracted(box(x + 1.2, 19, 7.6, 4.8, 2));
}

QPainterPath straightMagazine(double x, double length = 14, double width = 7.5) {
    return polygon(
        {{x, 18}, {x + width, 18}, {x + width + 1.8, 18 + length}, {x + 1.8, 18 + length + 0.8}});
}

// A banana magazine: both edges bow forward; `sweep` is how far its foot lies ahead of its top.
QPainterPath curvedMagazine(double x, double sweep, double width = 8.5, double length = 18) {
    const double foot = 18 + length;
    QPainterPath path(QPointF(x, 18));
    path.lineTo(x + width, 18);
    path.cubicTo(QPointF(x + width + 0.5, 24), QPointF(x + width + sweep * 0.5, foot - 6),
                 QPointF(x + width + sweep + 1.5, foot - 2.5));
    path.lineTo(x + sweep + 1, foot);
    path.cubicTo(QPointF(x + sweep * 0.4, foot - 6), QPointF(x - 0.2, 24), QPointF(x, 18));
    path.closeSubpath();
    return path;
}

QPainterPath fixedStock(double receiverStart, double drop) {
    return polygon({{receiverStart + 1, 10.5},
                    {receiverStart + 1, 19},
                    {9, 20 + drop},
                    {1.5, 23 + drop},
                    {0.5, 21 + drop},
                    {0.5, 12 + drop * 0.5},
                    {6, 11 + drop * 0.3}});
}

QPainterPath collapsibleStock(double receiverStart) {
    QPainterPath stock = box(8, 12, receiverStart - 7, 4.2, 1);
    stock = stock.united(polygon({{2, 10}, {12, 11}, {12, 21}, {6, 22}, {1, 24}, {0.5, 10.5}}));
    return stock.united(box(receiverStart - 10, 16, 9, 2.4, 0.8));
}

QPainterPath skeletonStock(double receiverStart) {
    const QPainterPath outer = polygon(
        {{receiverStart + 1, 11}, {receiverStart + 1, 19}, {4, 23}, {1, 23}, {1, 10}, {4, 10}});
    const QPainterPath hole = polygon({{receiverStart - 4, 13.3},
                                       {receiverStart - 4, 16.5},
                                       {6.5, 20.2},
                                       {4, 20.2},
                                       {4, 12.8},
                                       {6.5, 12.8}});
    return outer.subtracted(hole);
}

QPainterPath rail(double from, double to) {
    QPainterPath r = box(from, 8.4, to - from, 1.8, 0.3);
    for (double x = from + 1; x < to - 1; x += 2.6) {
        r = r.united(box(x, 7.6, 1.4, 1, 0.2));
    }
    return r;
}

// A front sight post standing on whatever is below it at height `base`.
QPainterPath frontSightPost(double x, double base) {
    return polygon({{x - 2.2, base}, {x + 2.2, base}, {x + 0.8, base - 5}, {x - 0.8, base - 5}});
}

}  // namespace part

// A gun in two materials: metal (receiver, barrel, sights, rails) and furniture (stock, grip,
// handguard, magazine), which is drawn a shade darker so the parts read apart.
struct GunShape {
    QPainterPath metal;
    QPainterPath furniture;

    GunShape& withMetal(const QPainterPath& part) {
        metal = metal.united(part);
        return *this;
    }
    GunShape& withFurniture(const QPainterPath& part) {
        furniture = furniture.united(part);
        return *this;
    }
    QPainterPath whole() const { return metal.united(furniture); }
};

struct Gun {
    std::function<GunShape()> shape;
    // Dark detail lines drawn over the drawing: ejection port, seams.
    std::function<void(QPainter&)> details;
};

std::vector<Gun> guns() {
    using namespace part;
    return {
        // 1: AKM. Wooden stock with a drop, banana magazine, gas tube over the handguard.
        {[] {
             return GunShape{}
                 .withFurniture(fixedStock(30, 3))
                 .withMetal(box(30, 10, 28, 9.5, 1))
                 .withFurniture(box(57, 10.8, 15, 7.4, 2.2))
                 .withMetal(box(57, 8.6, 22, 2.6, 1.2))
                 .withMetal(barrel(70, 95))
                 .withMetal(muzzleBrake(97))
                 .withMetal(frontSightPost(86, 13.4))
                 .withFurniture(curvedMagazine(46, 9))
                 .withFurniture(grip(39))
                 .withMetal(triggerGuard(40));
         },
         [](QPainter& p) { p.drawLine(QPointF(44, 12.5), QPointF(54, 12.5)); }},
        // 2: M16. Long fixed stock, carry handle, ribbed round handguard, triangle front sight.
        {[] {
             return GunShape{}
                 .withFurniture(fixedStock(26, 0))
                 .withMetal(box(26, 10, 29, 9, 1))
                 .withMetal(box(30, 4.5, 18, 2.5, 1))
                 .withMetal(box(31, 6, 2.5, 4.5, 0.4))
                 .withMetal(box(45, 6, 2.5, 4.5, 0.4))
                 .withFurniture(box(54, 10.2, 25, 8, 3))
                 .withMetal(barrel(78, 97))
                 .withMetal(muzzleBrake(99))
                 .withMetal(polygon({{79, 13}, {84, 13}, {82, 5}, {81, 5}}))
                 .withFurniture(curvedMagazine(42, 3, 7.5, 15))
                 .withFurniture(grip(33))
                 .withMetal(triggerGuard(34));
         },
         [](QPainter& p) {
             for (double x = 57; x < 77; x += 3.2) {
                 p.drawLine(QPointF(x, 11.5), QPointF(x, 17));
             }
         }},
        // 3: M4. Collapsible stock, flat top with rail, short rail handguard.
        {[] {
             return GunShape{}
                 .withFurniture(collapsibleStock(28))
                 .withMetal(box(27, 10, 27, 9, 1))
                 .withMetal(rail(27, 73))
                 .withMetal(box(53, 10.2, 20, 7.8, 1.2))
                 .withMetal(barrel(72, 90))
                 .withMetal(muzzleBrake(92))
                 .withMetal(frontSightPost(70, 10.4))
                 .withFurniture(curvedMagazine(43, 2, 7.5, 14))
                 .withFurniture(grip(33))
                 .withMetal(triggerGuard(34));
         },
         [](QPainter& p) {
             for (double x = 55; x < 72; x += 4) {
                 p.drawLine(QPointF(x, 12), QPointF(x + 2.5, 12));
                 p.drawLine(QPointF(x, 16), QPointF(x + 2.5, 16));
             }
         }},
        // 4: UMP9. Boxy submachine gun, skeleton stock, slim straight magazine, short barrel.
        {[] {
             return GunShape{}
                 .withFurniture(skeletonStock(26))
                 .withMetal(box(26, 8.5, 46, 12.5, 1.6))
                 .withMetal(rail(30, 66))
                 .withMetal(barrel(71, 82))
                 .withMetal(box(80, 12, 5, 4.4, 1))
                 .withFurniture(straightMagazine(55, 15, 6))
                 .withFurniture(polygon({{32, 20}, {40, 20}, {37, 32}, {29, 31}}))
                 .withFurniture(box(38, 20, 12, 5.5, 2.4).subtracted(box(39.4, 20, 9.2, 4, 2)));
         },
         [](QPainter& p) {
             p.drawLine(QPointF(44, 11.5), QPointF(54, 11.5));
             p.drawLine(QPointF(26.5, 17), QPointF(71, 17));
         }},
        // 5: SCAR-L. Tall upper receiver with a full-length rail, folding stock with a cheek rest.
        {[] {
             return GunShape{}
                 .withFurniture(polygon(
                     {{28, 10}, {28, 19}, {6, 20}, {1, 24}, {0.5, 9}, {8, 9.5}, {14, 8}, {22, 8}}))
                 .withMetal(box(27, 8.5, 48, 9.5, 1.2))
                 .withFurniture(box(27, 17.5, 22, 3.5, 0.8))
                 .withMetal(rail(27, 75))
                 .withMetal(barrel(74, 91))
                 .withMetal(box(88, 12, 6, 4.4, 0.8))
                 .withFurniture(curvedMagazine(45, 2.5, 7.5, 14))
                 .withFurniture(grip(36))
                 .withMetal(triggerGuard(37));
         },
         [](QPainter& p) {
             p.drawLine(QPointF(50, 13.5), QPointF(72, 13.5));
             p.drawLine(QPointF(8, 14), QPointF(24, 14));
         }},
        // 6: 5.56. A bullpup: magazine behind the grip, long body to the butt, carry sight.
        {[] {
             return GunShape{}
                 .withFurniture(polygon({{2, 10},
                                         {60, 10},
                                         {62, 19},
                                         {34, 20},
                                         {12, 21},
                                         {2, 24},
                                         {0.5, 22},
                                         {0.5, 11}}))
                 .withFurniture(box(56, 10.5, 18, 7.5, 2.5))
                 .withMetal(box(18, 5.5, 30, 2.4, 1))
                 .withMetal(box(22, 7, 3, 3.5, 0.4))
                 .withMetal(box(42, 7, 3, 3.5, 0.4))
                 .withMetal(barrel(72, 95))
                 .withMetal(muzzleBrake(97))
                 .withMetal(curvedMagazine(19, 2.5, 7.5, 14))
                 .withFurniture(grip(46))
                 .withFurniture(box(44, 19, 16, 7, 3).subtracted(box(45.4, 19, 13.2, 5.4, 2.4)));
         },
         [](QPainter& p) {
             p.drawLine(QPointF(30, 13), QPointF(40, 13));
             p.drawLine(QPointF(4, 16), QPointF(18, 16));
         }},
        // 7: 7.62. A long marksman rifle: scope on top, long heavy barrel, cheek-rest stock.
        {[] {
             return GunShape{}
                 .withFurniture(fixedStock(26, 2))
                 .withFurniture(polygon({{8, 11}, {22, 9.5}, {26, 9.5}, {26, 12}, {8, 13}}))
                 .withMetal(box(26, 10, 26, 9, 1))
                 .withFurniture(box(51, 10.6, 18, 7.2, 1.6))
                 .withMetal(barrel(67, 99))
                 .withMetal(box(94, 12.4, 5.6, 3.6, 0.6))
                 .withMetal(box(27, 3.4, 24, 3.8, 1.9))
                 .withMetal(polygon({{22, 2}, {29, 3.4}, {29, 7.2}, {22, 8.6}}))
                 .withMetal(polygon({{47, 3.4}, {54, 2.2}, {54, 8.4}, {47, 7.2}}))
                 .withMetal(box(31, 7, 3, 3.2, 0.4))
                 .withMetal(box(44, 7, 3, 3.2, 0.4))
                 .withFurniture(straightMagazine(42, 10, 8))
                 .withFurniture(grip(33))
                 .withMetal(triggerGuard(34));
         },
         [](QPainter& p) {
             p.drawLine(QPointF(30, 5.3), QPointF(46, 5.3));
             p.drawLine(QPointF(55, 14), QPointF(66, 14));
         }},
    };
}

QImage gunCard(const Gun& gun, bool selected) {
    QImage canvas = newCanvas(gun_page::kGunCard);
    QPainter p;
    beginPainting(p, canvas);
    const QRectF card = wholeOf(gun_page::kGunCard);
    const QPainterPath cardShape = roundedRect(card.adjusted(0, 0, 0, 0), 10);
    QLinearGradient cardFill(card.topLeft(), card.bottomLeft());
    const Rgb base = selected ? colour::kAccentFill : colour::kPanel;
    cardFill.setColorAt(0, qcolour(blend(base, colour::kText, 0.04)));
    cardFill.setColorAt(1, qcolour(base));
    p.fillPath(cardShape, cardFill);
    p.strokePath(roundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 9.5),
                 QPen(selected ? qcolour(colour::kAccent) : qcolour(colour::kHairline), 1));

    // Fit the 100 x 40 drawing space into the card's drawing area, centred.
    const QRectF area = qrect(gun_page::kGunDrawing);
    const double scale =
        std::min(area.width() / kDrawingSpace.width(), area.height() / kDrawingSpace.height());
    QTransform place;
    place.translate(area.center().x() - kDrawingSpace.width() * scale / 2,
                    area.center().y() - kDrawingSpace.height() * scale / 2);
    place.scale(scale, scale);
    const GunShape drawing = gun.shape();
    const QPainterPath shape = place.map(drawing.whole());

    if (selected) {
        paintSoftShape(p, gun_page::kGunCard, shape, qcolour(colour::kAccent, 0.7), 8);
    } else {
        paintSoftShape(p, gun_page::kGunCard, shape, QColor(0, 0, 0, 150), 3, 0, 1.5);
    }
    const QRectF bounds = shape.boundingRect();
    const Rgb light = selected ? blend(colour::kAccent, colour::kText, 0.35) : colour::kSteel;
    const Rgb dark = selected ? colour::kAccent : colour::kSteelDark;
    QLinearGradient metal(bounds.topLeft(), bounds.bottomLeft());
    metal.setColorAt(0, qcolour(light));
    metal.setColorAt(1, qcolour(dark));
    QLinearGradient furniture(bounds.topLeft(), bounds.bottomLeft());
    furniture.setColorAt(0, qcolour(blend(light, colour::kShellDark, 0.3)));
    furniture.setColorAt(1, qcolour(blend(dark, colour::kShellDark, 0.35)));
    p.fillPath(place.map(drawing.furniture), furniture);
    p.fillPath(place.map(drawing.metal), metal);

    p.save();
    p.setTransform(place, true);
    p.setClipPath(drawing.whole());
    p.setPen(QPen(selected ? qcolour(colour::kOnAccent, 0.45) : QColor(0, 0, 0, 90), 0.7,
                  Qt::SolidLine, Qt::RoundCap));
    gun.details(p);
    p.restore();
    p.end();
    return canvas;
}

}  // namespace

void drawGuns(PictureSet& set) {
    const std::vector<Gun> all = guns();
    for (int i = 0; i < kGunPictures; ++i) {
        const Gun& gun = all.at(static_cast<std::size_t>(i));
        set.add(gunPictureName(i + 1, false), gunCard(gun, false));
        set.add(gunPictureName(i + 1, true), gunCard(gun, true));
    }
}

}  // namespace gm::skin::gen
