// Window frames (user pages and the wider engineering page) and the page backgrounds: the
// content area with the cards the page's controls sit on. No text is drawn: captions come from
// the language tables, so one drawing serves all three languages.

#include <QLinearGradient>
#include <QRadialGradient>
#include <initializer_list>

#include "canvas.h"
#include "recipes.h"
#include "ui/skin/page_geometry.h"

namespace gm::skin::gen {
namespace {

// Top bar, page column and bottom bar in panel colour around the darker content area.
QImage windowFrame(SkinSize window) {
    QImage canvas = newCanvas(window);
    QPainter p;
    beginPainting(p, canvas);
    const QRectF whole = wholeOf(window);
    p.fillRect(whole, qcolour(colour::kBackground));

    // A faint accent light falling into the content from the upper left.
    const SkinRect content = contentRect(window);
    QRadialGradient light(QPointF(content.x, content.y), content.width * 0.8);
    light.setColorAt(0, qcolour(colour::kAccent, 0.035));
    light.setColorAt(1, qcolour(colour::kAccent, 0));
    p.fillRect(qrect(content), light);

    const QRectF topBar(0, 0, window.width, kTopBarHeight);
    const QRectF column(0, kTopBarHeight, kLeftColumnWidth, content.height);
    const QRectF bottomBar(0, bottomBarTop(window), window.width, kBottomBarHeight);
    for (const QRectF& bar : {topBar, column, bottomBar}) {
        p.fillRect(bar, qcolour(colour::kPanel));
    }
    // The top bar catches a little more light than the rest of the chrome.
    QLinearGradient sheen(topBar.topLeft(), topBar.bottomLeft());
    sheen.setColorAt(0, qcolour(colour::kText, 0.03));
    sheen.setColorAt(1, qcolour(colour::kText, 0));
    p.fillRect(topBar, sheen);

    const QColor hairline = qcolour(colour::kHairline);
    paintHairline(p, QLineF(0, kTopBarHeight - 0.5, window.width, kTopBarHeight - 0.5), hairline);
    paintHairline(
        p,
        QLineF(kLeftColumnWidth - 0.5, kTopBarHeight, kLeftColumnWidth - 0.5, bottomBarTop(window)),
        hairline);
    paintHairline(p,
                  QLineF(0, bottomBarTop(window) + 0.5, window.width, bottomBarTop(window) + 0.5),
                  hairline);
    // The outline of the frameless window.
    p.setPen(QPen(qcolour(colour::kHairline), 1));
    p.drawRect(whole.adjusted(0.5, 0.5, -0.5, -0.5));
    p.end();
    return canvas;
}

QImage pageWithCards(std::initializer_list<SkinRect> cards) {
    const SkinSize size = kUserContent.size();
    QImage canvas = newCanvas(size);
    QPainter p;
    beginPainting(p, canvas);
    for (const SkinRect& card : cards) {
        paintCard(p, size, qrect(card), kCardRadius);
    }
    p.end();
    return canvas;
}

// The key page: a lit stage under the mouse and the side panel for fire keys and toggles.
QImage keyPage() {
    QImage canvas = pageWithCards({key_page::kSidePanel});
    QPainter p;
    beginPainting(p, canvas);
    const QRectF mouse = qrect(key_page::kMouse);
    const QPointF floor(mouse.center().x(), mouse.bottom() - 22);
    QRadialGradient pool(floor, mouse.width() * 0.95);
    pool.setColorAt(0, qcolour(colour::kAccent, 0.10));
    pool.setColorAt(0.5, qcolour(colour::kAccent, 0.03));
    pool.setColorAt(1, qcolour(colour::kAccent, 0));
    p.save();
    p.translate(floor);
    p.scale(1.0, 0.42);
    p.translate(-floor);
    p.fillRect(QRectF(floor.x() - mouse.width(), floor.y() - mouse.width(), 2 * mouse.width(),
                      2 * mouse.width()),
               pool);
    // Two thin rings on the floor, like a turntable the mouse stands on.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(qcolour(colour::kAccent, 0.12), 1.4));
    p.drawEllipse(floor, mouse.width() * 0.62, mouse.width() * 0.62);
    p.setPen(QPen(qcolour(colour::kHairline, 0.9), 1.4));
    p.drawEllipse(floor, mouse.width() * 0.86, mouse.width() * 0.86);
    p.restore();
    p.end();
    return canvas;
}

}  // namespace

void drawBackgrounds(PictureSet& set) {
    set.add("BackGround", windowFrame(kUserWindow));
    set.add("EngBackGround", windowFrame(kEngineeringWindow));
    set.add("Back1", keyPage());
    set.add("Back2", pageWithCards({advanced_page::kCpiCard, advanced_page::kReportRateCard,
                                    advanced_page::kPointerCard}));
    set.add("Back3", pageWithCards({light_page::kModeCard, light_page::kSpeedCard,
                                    light_page::kColourCard, light_page::kMcuLedCard}));
    set.add("Back4", pageWithCards({macro_page::kListCard, macro_page::kStorageCard,
                                    macro_page::kContentCard}));
    set.add("Back5", pageWithCards({update_page::kProgramCard}));
    set.add("Back6", pageWithCards({gun_page::kStageCard}));
}

}  // namespace gm::skin::gen
