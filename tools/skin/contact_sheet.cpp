// The contact sheet: two sample pages assembled from the pictures as the window will place them
// (key, advanced, light, macro, gun-preset and update pages, in English), then every picture with
// its name.

#include <QFont>
#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "canvas.h"
#include "recipes.h"
#include "ui/skin/mouse_geometry.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_catalogue.h"

namespace gm::skin::gen {
namespace {

constexpr int kSheetWidth = 2 * kUserWindow.width + 3 * 24;
constexpr int kGap = 24;

QFont sheetFont(double pixels, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

void text(QPainter& p, const QPointF& at, const QString& s, Rgb rgb, double pixels,
          bool bold = false) {
    p.setFont(sheetFont(pixels, bold));
    p.setPen(qcolour(rgb));
    p.drawText(at, s);
}

void textIn(QPainter& p, const QRectF& box, const QString& s, Rgb rgb, double pixels,
            bool bold = false, Qt::Alignment align = Qt::AlignCenter) {
    p.setFont(sheetFont(pixels, bold));
    p.setPen(qcolour(rgb));
    p.drawText(box, static_cast<int>(align), s);
}

void put(QPainter& p, const PictureSet& set, const std::string& name, QPointF at) {
    p.drawImage(at, set.at(name));
}

void putIn(QPainter& p, const PictureSet& set, const std::string& name, const SkinRect& slot) {
    put(p, set, name, QPointF(slot.x, slot.y));
}

// The frame, chrome and bottom bar every user page shares; `selectedPage` lights a page button.
void paintChrome(QPainter& p, const PictureSet& set, int selectedPage, const QString& status) {
    put(p, set, "BackGround", {0, 0});
    putIn(p, set, "Logo", kLogoSlot);
    const QString title = "RDXM4210A Gaming Mouse";
    text(p, QPointF(kTitleOrigin.x, kTitleOrigin.y + 6), title, colour::kText, 16, true);
    const double titleWidth = QFontMetricsF(sheetFont(16, true)).horizontalAdvance(title);
    text(p, QPointF(kTitleOrigin.x + titleWidth + 12, kTitleOrigin.y + 5),
         "v1.0  ·  4210A  ·  connected", colour::kMuted, 12);
    // The sheet is made where no CJK font may be installed, so it names the languages by code.
    const std::array<QString, 3> languages{"EN", "ZH", "EN"};
    for (int i = 0; i < 3; ++i) {
        const SkinRect slot = languageButtonSlot(kUserWindow, i);
        putIn(p, set, i == 0 ? "LangS_03" : "LangS_01", slot);
        textIn(p, qrect(slot), languages[static_cast<std::size_t>(i)],
               i == 0 ? colour::kText : colour::kMuted, 12);
    }
    const std::array<const char*, 3> chrome{"WebS_01", "MiniS_01", "ExitS_02"};
    for (int i = 0; i < 3; ++i) {
        putIn(p, set, chrome[static_cast<std::size_t>(i)], chromeButtonSlot(kUserWindow, i));
    }
    const std::array<QString, 7> pages{"Office Mode", "Game Mode", "Third Mode", "Advanced",
                                       "Light",       "Macro",     "Update"};
    for (int row = 0; row < 7; ++row) {
        const SkinRect slot = pageButtonSlot(row);
        const bool selected = row == selectedPage;
        putIn(p, set, selected ? "SetS_03" : (row == 5 ? "SetS_02" : "SetS_01"), slot);
        textIn(p, qrect(slot).adjusted(20, 0, 0, 0), pages[static_cast<std::size_t>(row)],
               selected ? colour::kText : colour::kMuted, 13, selected,
               Qt::AlignVCenter | Qt::AlignLeft);
    }
    const std::array<QString, 3> left{"Reset", "Confirm 2", "Confirm 3"};
    for (int i = 0; i < 3; ++i) {
        const SkinRect slot = bottomLeftButtonSlot(kUserWindow, i);
        putIn(p, set, "BtnS_01", slot);
        textIn(p, qrect(slot), left[static_cast<std::size_t>(i)], colour::kText, 13);
    }
    const std::array<QString, 2> right{"Save Profile", "Load Profile"};
    for (int i = 0; i < 2; ++i) {
        const SkinRect slot = bottomRightButtonSlot(kUserWindow, i);
        putIn(p, set, i == 0 ? "BtnS_03" : "BtnS_01", slot);
        textIn(p, qrect(slot), right[static_cast<std::size_t>(i)], colour::kText, 13);
    }
    const SkinRect line = statusLineRect(kUserWindow);
    p.setPen(Qt::NoPen);
    p.setBrush(qcolour(colour::kAccent));
    p.drawEllipse(QPointF(line.x + 4, line.centre().y), 3.5, 3.5);
    textIn(p, qrect(line).adjusted(16, 0, 0, 0), status, colour::kMuted, 12, false,
           Qt::AlignVCenter | Qt::AlignLeft);
}

QImage keyPageSample(const PictureSet& set) {
    QImage page(kUserWindow.width, kUserWindow.height, QImage::Format_ARGB32_Premultiplied);
    QPainter p;
    beginPainting(p, page);
    paintChrome(p, set, 0, "Written to the mouse · Key 6 → DPI Up");
    p.translate(kUserContent.x, kUserContent.y);
    put(p, set, "Back1", {0, 0});
    text(p, QPointF(kPageMargin + 4, 36), "Office Mode  —  button assignment", colour::kText, 20,
         true);
    put(p, set, "Mouse", QPointF(key_page::kMouse.x, key_page::kMouse.y));

    const std::array<QString, 12> functions{"Left Click", "Backward", "Fire Key1",    "Right Click",
                                            "Forward",    "DPI Up",   "Middle Click", "DPI Loop",
                                            "DPI Down",   "Key Off",  "Key Off",      "Key Off"};
    constexpr int kSelectedKey = 6;
    for (const MouseButton& button : kMouseButtons) {
        const SkinRect slot = key_page::labelSlot(button.labelColumn, button.labelRow);
        const bool selected = button.key == kSelectedKey;
        putIn(p, set, selected ? "KeyS_03" : (button.key == 4 ? "KeyS_02" : "KeyS_01"), slot);
        text(p, QPointF(slot.x + 14, slot.y + 19), QString("Key %1").arg(button.key),
             colour::kMuted, 11);
        text(p, QPointF(slot.x + 14, slot.y + 40),
             functions[static_cast<std::size_t>(button.key - 1)], colour::kText, 14, true);

        // Leader line: out of the label's inner edge, then straight to the hot spot.
        const bool left = button.labelColumn == key_page::Column::Left;
        const QPointF start(left ? slot.right() : slot.x, slot.centre().y);
        const QPointF elbow = start + QPointF(left ? 10 : -10, 0);
        const SkinPoint spot = hotSpotOnPage(button.key);
        const QPointF end(spot.x, spot.y);
        const QColor ink = selected ? qcolour(colour::kAccent) : qcolour(colour::kMuted, 0.45);
        p.setPen(QPen(ink, selected ? 1.4 : 1));
        p.drawPolyline(QPolygonF({start, elbow, end}));
        p.setPen(Qt::NoPen);
        p.setBrush(selected ? qcolour(colour::kAccent) : qcolour(colour::kMuted, 0.8));
        p.drawEllipse(end, selected ? 3.6 : 2.6, selected ? 3.6 : 2.6);
    }

    const QRectF panel = qrect(key_page::kSidePanel);
    text(p, panel.topLeft() + QPointF(18, 30), "Fire Key", colour::kText, 15, true);
    for (int set_ = 0; set_ < 3; ++set_) {
        const double y = panel.top() + 56 + set_ * 58;
        text(p, QPointF(panel.left() + 18, y), QString("Fire Key%1").arg(set_ + 1), colour::kMuted,
             12);
        put(p, set, set_ == 1 ? "CbS_E" : "CbS_D", QPointF(panel.left() + 18, y + 10));
        text(p, QPointF(panel.left() + 44, y + 24), "Continue", colour::kText, 12);
        text(p, QPointF(panel.left() + 140, y + 24), "Interval ms", colour::kMuted, 11);
        text(p, QPointF(panel.left() + 206, y + 24), QString::number(60 * (set_ + 1)),
             colour::kText, 14, true);
    }
    const double aimY = panel.top() + 250;
    text(p, QPointF(panel.left() + 18, aimY), "AIM Key", colour::kText, 15, true);
    textIn(p, QRectF(panel.right() - 80, aimY - 16, 62, 20), "600", colour::kText, 14, true,
           Qt::AlignVCenter | Qt::AlignRight);
    for (int s = 0; s < 12; ++s) {
        put(p, set, s < 3 ? "Bar2_E" : "Bar2_D",
            QPointF(panel.left() + 16 + s * (kLongSegment.width + kSegmentGap), aimY + 14));
    }
    const std::array<QString, 3> gestures{"Right + Back: light mode", "Hold middle: game mode",
                                          "Fire keys switch mode"};
    for (int g = 0; g < 3; ++g) {
        const double y = aimY + 60 + g * 32;
        put(p, set, g == 0 ? "CbS_E" : "CbS_D", QPointF(panel.left() + 18, y));
        text(p, QPointF(panel.left() + 44, y + 13), gestures[static_cast<std::size_t>(g)],
             colour::kText, 12);
    }
    p.end();
    return page;
}

QImage advancedPageSample(const PictureSet& set) {
    QImage page(kUserWindow.width, kUserWindow.height, QImage::Format_ARGB32_Premultiplied);
    QPainter p;
    beginPainting(p, page);
    paintChrome(p, set, 3, "Written to the mouse · CPI 2 → 1600");
    p.translate(kUserContent.x, kUserContent.y);
    put(p, set, "Back2", {0, 0});
    text(p, QPointF(kPageMargin + 4, 36), "Advanced  —  CPI and report rate", colour::kText, 20,
         true);

    const QRectF cpi = qrect(advanced_page::kCpiCard);
    text(p, cpi.topLeft() + QPointF(18, 30), "DPI Setting", colour::kText, 15, true);
    text(p, cpi.topLeft() + QPointF(cpi.width() - 110, 30), "DPI Count   6 ▾", colour::kMuted, 12);
    const std::array<int, 6> steps{3, 6, 8, 9, 10, 11};
    const std::array<const char*, 6> values{"800", "1600", "2400", "3200", "4800", "6400"};
    // Sample level colours, as a user might have set them.
    const std::array<QColor, 6> colours{QColor(0xEF, 0x44, 0x44), QColor(0x22, 0xC5, 0x5E),
                                        QColor(0x3B, 0x82, 0xF6), QColor(0xFA, 0xCC, 0x15),
                                        QColor(0x22, 0xD3, 0xEE), QColor(0xE8, 0x79, 0xF9)};
    for (int row = 0; row < 6; ++row) {
        const double y = cpi.top() + 60 + row * 62;
        const bool current = row == 1;
        if (current) {
            p.fillPath(roundedRect(QRectF(cpi.left() + 10, y - 8, cpi.width() - 20, 46), 8),
                       qcolour(colour::kText, 0.03));
        }
        text(p, QPointF(cpi.left() + 22, y + 19), QString("CPI %1").arg(row + 1),
             current ? colour::kAccent : colour::kMuted, 13, current);
        put(p, set, current ? "CbS_E" : "CbS_D", QPointF(cpi.left() + 72, y + 6));
        for (int s = 0; s < 12; ++s) {
            put(p, set, s <= steps[static_cast<std::size_t>(row)] ? "Bar2_E" : "Bar2_D",
                QPointF(cpi.left() + 110 + s * (kLongSegment.width + kSegmentGap), y + 8));
        }
        textIn(p, QRectF(cpi.left() + 392, y, 54, 30), values[static_cast<std::size_t>(row)],
               colour::kText, 15, true, Qt::AlignVCenter | Qt::AlignRight);
        const QRectF swatch(cpi.left() + 454, y + 3, kSwatchFrame.width, kSwatchFrame.height);
        p.fillRect(swatch.adjusted(2, 2, -2, -2), colours[static_cast<std::size_t>(row)]);
        put(p, set, "Col_F", swatch.topLeft());
    }

    const QRectF rate = qrect(advanced_page::kReportRateCard);
    text(p, rate.topLeft() + QPointF(18, 30), "Report Rate", colour::kText, 15, true);
    const std::array<QString, 4> rates{"125Hz", "250Hz", "500Hz", "1000Hz"};
    for (int i = 0; i < 4; ++i) {
        const QPointF at = rate.topLeft() + QPointF(18, 48 + i * 30);
        put(p, set, i == 3 ? "RdS_E" : "RdS_D", at);
        text(p, at + QPointF(28, 14), rates[static_cast<std::size_t>(i)],
             i == 3 ? colour::kText : colour::kMuted, 13);
    }

    const QRectF pointer = qrect(advanced_page::kPointerCard);
    text(p, pointer.topLeft() + QPointF(18, 30), "Pointer", colour::kText, 15, true);
    const std::array<QString, 3> bars{"Moving Speed", "Double Click Speed", "Rolling Speed"};
    const std::array<int, 3> levels{6, 5, 3};
    for (int b = 0; b < 3; ++b) {
        const QPointF at = pointer.topLeft() + QPointF(18, 58 + b * 62);
        text(p, at, bars[static_cast<std::size_t>(b)], colour::kMuted, 12);
        for (int s = 0; s < 11; ++s) {
            put(p, set, s < levels[static_cast<std::size_t>(b)] ? "Bar1_E" : "Bar1_D",
                at + QPointF(s * (kShortSegment.width + kSegmentGap), 12));
        }
    }
    p.end();
    return page;
}

QImage lightPageSample(const PictureSet& set) {
    QImage page(kUserWindow.width, kUserWindow.height, QImage::Format_ARGB32_Premultiplied);
    QPainter p;
    beginPainting(p, page);
    paintChrome(p, set, 4, "Written to the mouse · LED speed 6");
    p.translate(kUserContent.x, kUserContent.y);
    put(p, set, "Back3", {0, 0});
    text(p, QPointF(kPageMargin + 4, 36), "Light", colour::kText, 20, true);

    const QRectF modes = qrect(light_page::kModeCard);
    text(p, modes.topLeft() + QPointF(18, 30), "LED Mode", colour::kText, 15, true);
    const std::array<QString, 7> names{"Off",       "Breath in turn", "Fixed Color", "Mixed Color",
                                       "DPI Color", "Rainbow",        "Flow Light"};
    for (int i = 0; i < 7; ++i) {
        const QPointF at = modes.topLeft() + QPointF(18, 52 + i * 34);
        put(p, set, i == 5 ? "RdS_E" : "RdS_D", at);
        text(p, at + QPointF(28, 14), names[static_cast<std::size_t>(i)],
             i == 5 ? colour::kText : colour::kMuted, 13);
    }

    const QRectF speed = qrect(light_page::kSpeedCard);
    text(p, speed.topLeft() + QPointF(18, 30), "LED Speed", colour::kText, 15, true);
    text(p, speed.topLeft() + QPointF(18, 70), "Slow", colour::kMuted, 12);
    for (int s = 0; s < 10; ++s) {
        put(p, set, s < 6 ? "Bar1_E" : "Bar1_D",
            speed.topLeft() + QPointF(60 + s * (kShortSegment.width + kSegmentGap), 61));
    }
    text(p, speed.topLeft() + QPointF(66 + barLength(10, kShortSegment), 70), "Fast",
         colour::kMuted, 12);

    const QRectF colours = qrect(light_page::kColourCard);
    text(p, colours.topLeft() + QPointF(18, 30), "Colors", colour::kText, 15, true);
    const std::array<QColor, 10> leds{QColor(0xEF, 0x44, 0x44), QColor(0xF9, 0x73, 0x16),
                                      QColor(0xFA, 0xCC, 0x15), QColor(0x22, 0xC5, 0x5E),
                                      QColor(0x14, 0xB8, 0xA6), QColor(0x22, 0xD3, 0xEE),
                                      QColor(0x3B, 0x82, 0xF6), QColor(0x8B, 0x5C, 0xF6),
                                      QColor(0xE8, 0x79, 0xF9), QColor(0xF5, 0xF5, 0xF4)};
    for (int i = 0; i < 10; ++i) {
        const QPointF at = colours.topLeft() + QPointF(18 + i * (kSwatchFrame.width + 16), 56);
        p.fillRect(
            QRectF(at, QSizeF(kSwatchFrame.width, kSwatchFrame.height)).adjusted(2, 2, -2, -2),
            leds[static_cast<std::size_t>(i)]);
        put(p, set, "Col_F", at);
        textIn(p, QRectF(at + QPointF(-6, 30), QSizeF(kSwatchFrame.width + 12, 16)),
               QString::number(i + 1), colour::kMuted, 11);
    }

    const QRectF mcu = qrect(light_page::kMcuLedCard);
    text(p, mcu.topLeft() + QPointF(18, 30), "MCU LED", colour::kText, 15, true);
    text(p, mcu.topLeft() + QPointF(18, 64), "Step", colour::kMuted, 12);
    for (int s = 0; s < 8; ++s) {
        put(p, set, s < 3 ? "Bar1_E" : "Bar1_D",
            mcu.topLeft() + QPointF(96 + s * (kShortSegment.width + kSegmentGap), 55));
    }
    text(p, mcu.topLeft() + QPointF(18, 104), "LED Brightness", colour::kMuted, 12);
    for (int i = 0; i < 2; ++i) {
        const QPointF at = mcu.topLeft() + QPointF(140 + i * 90, 91);
        put(p, set, i == 0 ? "RdS_E" : "RdS_D", at);
        text(p, at + QPointF(26, 13), i == 0 ? "Full" : "Half",
             i == 0 ? colour::kText : colour::kMuted, 12);
    }
    p.end();
    return page;
}

QImage updatePageSample(const PictureSet& set) {
    QImage page(kUserWindow.width, kUserWindow.height, QImage::Format_ARGB32_Premultiplied);
    QPainter p;
    beginPainting(p, page);
    paintChrome(p, set, 6, "Patch code loaded · 784 bytes");
    p.translate(kUserContent.x, kUserContent.y);
    put(p, set, "Back5", {0, 0});
    text(p, QPointF(kPageMargin + 4, 36), "Update", colour::kText, 20, true);
    putIn(p, set, "Update", update_page::kBanner);
    const QRectF card = qrect(update_page::kProgramCard);
    text(p, card.topLeft() + QPointF(18, 30), "Update File Path", colour::kText, 15, true);
    const QRectF path(card.left() + 18, card.top() + 48,
                      card.width() - 36 - 2 * kBarButton.width - 2 * kBarButtonGap, 32);
    p.fillPath(roundedRect(path, 6), qcolour(colour::kSunken));
    p.strokePath(roundedRect(path.adjusted(0.5, 0.5, -0.5, -0.5), 5.5),
                 QPen(qcolour(colour::kHairline), 1));
    textIn(p, path.adjusted(12, 0, -12, 0), "/home/player/Downloads/mouse-patch-1.2.bin",
           colour::kText, 12, false, Qt::AlignVCenter | Qt::AlignLeft);
    const std::array<QString, 2> buttons{"Load File", "Update"};
    for (int i = 0; i < 2; ++i) {
        const QPointF at(path.right() + kBarButtonGap + i * (kBarButton.width + kBarButtonGap),
                         path.top());
        put(p, set, i == 1 ? "BtnS_03" : "BtnS_01", at);
        textIn(p, QRectF(at, QSizeF(kBarButton.width, kBarButton.height)),
               buttons[static_cast<std::size_t>(i)], colour::kText, 13);
    }
    p.end();
    return page;
}

QImage macroPageSample(const PictureSet& set) {
    QImage page(kUserWindow.width, kUserWindow.height, QImage::Format_ARGB32_Premultiplied);
    QPainter p;
    beginPainting(p, page);
    paintChrome(p, set, 5, "Recording · 6 events");
    p.translate(kUserContent.x, kUserContent.y);
    put(p, set, "Back4", {0, 0});
    text(p, QPointF(kPageMargin + 4, 36), "Macro", colour::kText, 20, true);

    const std::array<std::pair<SkinRect, QString>, 3> columns{
        {{macro_page::kListCard, "Macro List"},
         {macro_page::kStorageCard, "Storage in Mouse"},
         {macro_page::kContentCard, "Macro Content"}}};
    for (const auto& [card, title] : columns) {
        text(p, QPointF(card.x + 16, card.y + 28), title, colour::kText, 14, true);
    }
    const std::array<QString, 4> macros{"Reload", "Burst x3", "Build wall", "Quick scope"};
    for (int i = 0; i < 4; ++i) {
        const QRectF row(macro_page::kListCard.x + 10, macro_page::kListCard.y + 44 + i * 30,
                         macro_page::kListCard.width - 20, 26);
        if (i == 1) {
            p.fillPath(roundedRect(row, 6), qcolour(colour::kAccentFill));
        }
        textIn(p, row.adjusted(10, 0, 0, 0), macros[static_cast<std::size_t>(i)],
               i == 1 ? colour::kText : colour::kMuted, 12, false,
               Qt::AlignVCenter | Qt::AlignLeft);
    }
    const std::array<QString, 3> tools{"New Macro", "Rename", "Delete"};
    for (int i = 0; i < 3; ++i) {
        const QPointF at(macro_page::kListCard.x + 16 + (i % 2) * (kMacroButton.width + 12),
                         macro_page::kListCard.bottom() - 80 + (i / 2) * 36);
        put(p, set, i == 0 ? "MacroS_02" : "MacroS_01", at);
        textIn(p, QRectF(at, QSizeF(kMacroButton.width, kMacroButton.height)),
               tools[static_cast<std::size_t>(i)], colour::kText, 12);
    }

    const SkinRect content = macro_page::kContentCard;
    const QPointF record(content.x + 16, content.y + 40);
    put(p, set, "MacroBtnS_03", record);
    textIn(p,
           QRectF(record + QPointF(30, 0), QSizeF(kRecordButton.width - 30, kRecordButton.height)),
           "Stop", colour::kText, 13, true, Qt::AlignVCenter | Qt::AlignLeft);
    struct Event {
        int kind;
        QString line;
    };
    const std::array<Event, 7> events{{{1, "R"},
                                       {0, "45 ms"},
                                       {2, "R"},
                                       {3, "X: 0  Y: 12"},
                                       {7, "Rep-Start  3"},
                                       {0, "120 ms"},
                                       {8, "Rep-Stop"}}};
    for (int i = 0; i < 7; ++i) {
        const Event& e = events[static_cast<std::size_t>(i)];
        const QPointF at(content.x + 16, content.y + 90 + i * 30);
        put(p, set, std::string(macroEventIconName(e.kind)), at);
        text(p, at + QPointF(30, 14), e.line, colour::kText, 12);
    }
    const SkinRect group = macro_page::kDelayGroup.translated(content.x, content.y);
    put(p, set, "InsertDelayBase", QPointF(group.x, group.y));
    text(p, QPointF(group.x + 14, group.y + 26), "Insert Delay Front", colour::kText, 12, true);
    for (int i = 0; i < 2; ++i) {
        const QPointF at(group.x + 14, group.y + 44 + i * 28);
        put(p, set, i == 0 ? "RdS_E" : "RdS_D", at);
        text(p, at + QPointF(26, 13), i == 0 ? "Delay Time  50 ms" : "No Delay",
             i == 0 ? colour::kText : colour::kMuted, 12);
    }
    p.end();
    return page;
}

QImage gunPageSample(const PictureSet& set) {
    QImage page(kUserWindow.width, kUserWindow.height, QImage::Format_ARGB32_Premultiplied);
    QPainter p;
    beginPainting(p, page);
    paintChrome(p, set, 1, "Choose a preset for Key 1");
    p.translate(kUserContent.x, kUserContent.y);
    put(p, set, "Back6", {0, 0});
    text(p, QPointF(kPageMargin + 4, 36), "Game Mode  —  fire macro", colour::kText, 20, true);
    const std::array<QString, 7> guns{"AKM", "M16", "M4", "UMP9", "SCAR-L", "5.56", "7.62"};
    for (int g = 0; g < gun_page::kGuns; ++g) {
        const SkinRect slot = gun_page::gunSlot(g);
        put(p, set, gunPictureName(g + 1, g == 5), QPointF(slot.x, slot.y));
        textIn(p, qrect(gun_page::kGunCaption.translated(slot.x, slot.y)),
               guns[static_cast<std::size_t>(g)], g == 5 ? colour::kText : colour::kMuted, 11,
               g == 5);
    }
    const SkinRect grid = gun_page::kStageCard;
    const std::array<QString, 5> headers{"Fire Count", "Fire X-Axis", "Fire Y-Axis",
                                         "Fire Delay Time", "Fire Color"};
    for (int c = 0; c < kGunStageIcons; ++c) {
        const QPointF at(grid.x + 120 + c * 128, grid.y + 18);
        put(p, set, gunStageIconName(c + 1), at);
        text(p, at + QPointF(30, 17), headers[static_cast<std::size_t>(c)], colour::kMuted, 11);
    }
    const std::array<std::array<QString, 4>, 2> stages{
        {{"8", "-2", "12", "95"}, {"22", "3", "7", "95"}}};
    for (int r = 0; r < 2; ++r) {
        const double y = grid.y + 64 + r * 44;
        text(p, QPointF(grid.x + 20, y + 20), QString("Stage %1").arg(r + 1), colour::kMuted, 12);
        for (int c = 0; c < 4; ++c) {
            const QRectF field(grid.x + 120 + c * 128, y, 96, 30);
            p.fillPath(roundedRect(field, 6), qcolour(colour::kSunken));
            p.strokePath(roundedRect(field.adjusted(0.5, 0.5, -0.5, -0.5), 5.5),
                         QPen(qcolour(colour::kHairline), 1));
            textIn(p, field.adjusted(10, 0, -10, 0),
                   stages[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], colour::kText,
                   13, false, Qt::AlignVCenter | Qt::AlignRight);
        }
        const QRectF swatch(grid.x + 120 + 4 * 128, y + 3, kSwatchFrame.width, kSwatchFrame.height);
        p.fillRect(swatch.adjusted(2, 2, -2, -2),
                   r == 0 ? QColor(0xF5, 0x9E, 0x0B) : QColor(0xEF, 0x44, 0x44));
        put(p, set, "Col_F", swatch.topLeft());
    }
    put(p, set, "CbS_E", QPointF(grid.x + 20, grid.bottom() - 40));
    text(p, QPointF(grid.x + 46, grid.bottom() - 27), "Keep the left click", colour::kText, 12);
    const std::array<QString, 2> buttons{"Confirm", "Cancel"};
    for (int i = 0; i < 2; ++i) {
        const QPointF at(grid.right() - 2 * kBarButton.width - kBarButtonGap +
                             i * (kBarButton.width + kBarButtonGap),
                         grid.bottom() + 14);
        put(p, set, i == 0 ? "BtnS_03" : "BtnS_01", at);
        textIn(p, QRectF(at, QSizeF(kBarButton.width, kBarButton.height)),
               buttons[static_cast<std::size_t>(i)], colour::kText, 13);
    }
    p.end();
    return page;
}

// Every picture at logical size with its name under it, smallest first so rows stay even;
// pictures wider than half the sheet are shown as thumbnails. Returns the bottom edge.
int paintCatalogue(QPainter& p, const PictureSet& set, int top) {
    struct Shown {
        std::string name;
        const QImage* image;
        QSizeF size;
    };
    std::vector<Shown> all;
    for (const auto& [name, image] : set.pictures()) {
        const QSizeF size = image.deviceIndependentSize();
        const double scale = std::min(1.0, 480 / size.width());
        all.push_back({name, &image, size * scale});
    }
    std::stable_sort(all.begin(), all.end(), [](const Shown& a, const Shown& b) {
        return a.size.height() < b.size.height();
    });
    double x = kGap;
    double y = top;
    double rowHeight = 0;
    for (const Shown& shown : all) {
        const double cell = std::max(shown.size.width(), 84.0);
        if (x + cell > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + 30;
            rowHeight = 0;
        }
        // A plate in the window's colour shows where a transparent picture's edges are.
        p.fillRect(QRectF(x - 4, y - 4, cell + 8, shown.size.height() + 8),
                   qcolour(colour::kBackground));
        p.drawImage(QRectF(QPointF(x, y), shown.size), *shown.image);
        textIn(p, QRectF(x - 4, y + shown.size.height() + 4, cell + 8, 16),
               QString::fromStdString(shown.name), colour::kMuted, 10);
        x += cell + 18;
        rowHeight = std::max(rowHeight, shown.size.height());
    }
    return static_cast<int>(y + rowHeight + 30);
}

}  // namespace

QImage drawContactSheet(const PictureSet& set) {
    const std::array<QImage, 6> samples{keyPageSample(set),   advancedPageSample(set),
                                        lightPageSample(set), macroPageSample(set),
                                        gunPageSample(set),   updatePageSample(set)};
    QImage sheet(kSheetWidth, 5000, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(qcolour(blend(colour::kBackground, 0x000000, 0.4)));
    QPainter p;
    beginPainting(p, sheet);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const int column = static_cast<int>(i % 2);
        const int row = static_cast<int>(i / 2);
        p.drawImage(QPointF(kGap + column * (kUserWindow.width + kGap),
                            kGap + row * (kUserWindow.height + kGap)),
                    samples[i]);
    }
    const int rows = static_cast<int>(samples.size() + 1) / 2;
    const int bottom = paintCatalogue(p, set, (rows + 1) * kGap + rows * kUserWindow.height + 8);
    p.end();
    return sheet.copy(0, 0, kSheetWidth, bottom);
}

}  // namespace gm::skin::gen
