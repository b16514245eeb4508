// Three-state buttons. Normal is flat (or a quiet box where the control must read as a button at
// rest), hover is a little lighter with an accent hairline, selected is filled with accent.

#include <QLinearGradient>
#include <functional>
#include <string>

#include "canvas.h"
#include "recipes.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_catalogue.h"

namespace gm::skin::gen {
namespace {

using Glyph = std::function<void(QPainter&, const QRectF&, ButtonState)>;

struct ButtonStyle {
    std::string_view base;
    SkinSize size;
    double radius;
    bool boxedAtRest;  // normal state shows a fill and a hairline; otherwise it is flat
    Rgb restFill;      // fill and border when boxed at rest
    Rgb restBorder;
    bool selectionMarker;  // selected page buttons carry an accent bar at their left edge
    Glyph glyph;           // language-neutral symbol drawn on top, or none
};

void paintButtonBody(QPainter& p, const ButtonStyle& style, ButtonState state) {
    const QRectF body = wholeOf(style.size);
    const QPainterPath shape = roundedRect(body, style.radius);
    const QPainterPath edge = roundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), style.radius - 0.5);
    switch (state) {
        case ButtonState::Normal:
            if (style.boxedAtRest) {
                p.fillPath(shape, qcolour(style.restFill));
                p.strokePath(edge, QPen(qcolour(style.restBorder), 1));
            }
            break;
        case ButtonState::Hover: {
            QLinearGradient fill(body.topLeft(), body.bottomLeft());
            fill.setColorAt(0, qcolour(blend(colour::kPanelHover, colour::kText, 0.03)));
            fill.setColorAt(1, qcolour(colour::kPanelHover));
            p.fillPath(shape, fill);
            p.strokePath(edge, QPen(qcolour(colour::kAccent, 0.55), 1));
            break;
        }
        case ButtonState::Selected: {
            QLinearGradient fill(body.topLeft(), body.bottomLeft());
            fill.setColorAt(0, qcolour(blend(colour::kAccentFill, colour::kAccent, 0.08)));
            fill.setColorAt(1, qcolour(colour::kAccentFill));
            p.fillPath(shape, fill);
            p.strokePath(edge,
                         QPen(qcolour(colour::kAccent, style.selectionMarker ? 0.35 : 0.9), 1));
            if (style.selectionMarker) {
                const QRectF marker(0, 7, 3.5, body.height() - 14);
                p.fillPath(roundedRect(marker, 1.75), qcolour(colour::kAccent));
            }
            break;
        }
    }
}

QColor glyphColour(ButtonState state) {
    return state == ButtonState::Normal ? qcolour(colour::kMuted) : qcolour(colour::kText);
}

void crossGlyph(QPainter& p, const QRectF& r, ButtonState state) {
    const QPointF c = r.center();
    p.setPen(QPen(glyphColour(state), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-6, -6), c + QPointF(6, 6));
    p.drawLine(c + QPointF(-6, 6), c + QPointF(6, -6));
}

void minimiseGlyph(QPainter& p, const QRectF& r, ButtonState state) {
    const QPointF c = r.center();
    p.setPen(QPen(glyphColour(state), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-6.5, 0.5), c + QPointF(6.5, 0.5));
}

void globeGlyph(QPainter& p, const QRectF& r, ButtonState state) {
    const QPointF c = r.center();
    p.setPen(QPen(glyphColour(state), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7.5, 7.5);
    p.drawEllipse(c, 3.4, 7.5);
    p.drawLine(c + QPointF(-7.5, 0), c + QPointF(7.5, 0));
    p.drawLine(c + QPointF(-6.4, -3.7), c + QPointF(6.4, -3.7));
    p.drawLine(c + QPointF(-6.4, 3.7), c + QPointF(6.4, 3.7));
}

// Record shows a dot; while recording (selected) the caption reads Stop and the dot turns into a
// stop square. The caption starts right of the glyph.
void recordGlyph(QPainter& p, const QRectF& r, ButtonState state) {
    const QPointF c(18, r.center().y());
    p.setPen(Qt::NoPen);
    if (state == ButtonState::Selected) {
        p.fillPath(roundedRect(QRectF(c.x() - 5, c.y() - 5, 10, 10), 2), qcolour(colour::kAccent));
        return;
    }
    paintSoftShape(
        p, {static_cast<int>(r.width()), static_cast<int>(r.height())},
        [&] {
            QPainterPath dot;
            dot.addEllipse(c, 5, 5);
            return dot;
        }(),
        qcolour(colour::kAccent, state == ButtonState::Hover ? 0.9 : 0.5), 6);
    p.setBrush(qcolour(colour::kAccent));
    p.drawEllipse(c, 5, 5);
}

std::vector<ButtonStyle> buttonStyles() {
    return {
        {"BtnS", kBarButton, 8, true, colour::kBackground, colour::kHairline, false, {}},
        {"SetS", kPageButton, 9, false, colour::kPanel, colour::kHairline, true, {}},
        {"KeyS", kKeyLabel, 9, true, colour::kPanel, colour::kHairline, false, {}},
        {"LangS", kLanguageButton, 7, true, colour::kPanel, colour::kHairline, false, {}},
        {"ExitS", kChromeButton, 8, false, colour::kPanel, colour::kHairline, false, crossGlyph},
        {"MiniS", kChromeButton, 8, false, colour::kPanel, colour::kHairline, false, minimiseGlyph},
        {"WebS", kChromeButton, 8, false, colour::kPanel, colour::kHairline, false, globeGlyph},
        {"MacroS", kMacroButton, 7, true, colour::kPanelHover, colour::kHairline, false, {}},
        {"MacroBtnS", kRecordButton, 10, true, blend(colour::kPanel, colour::kAccent, 0.10),
         blend(colour::kHairline, colour::kAccent, 0.55), false, recordGlyph},
    };
}

}  // namespace

void drawButtons(PictureSet& set) {
    for (const ButtonStyle& style : buttonStyles()) {
        for (ButtonState state : {ButtonState::Normal, ButtonState::Hover, ButtonState::Selected}) {
            QImage canvas = newCanvas(style.size);
            QPainter p;
            beginPainting(p, canvas);
            paintButtonBody(p, style, state);
            if (style.glyph) {
                style.glyph(p, wholeOf(style.size), state);
            }
            p.end();
            set.add(buttonPictureName(style.base, state), canvas);
        }
    }
}

}  // namespace gm::skin::gen
