#pragma once
// Where the cards of each page background lie and how big the small pictures are. Rectangles are
// relative to the content rectangle (frame_geometry.h); the page backgrounds draw the cards and
// the window places its controls inside them.

#include "ui/skin/frame_geometry.h"

namespace gm::skin {

inline constexpr int kPageMargin = 16;
inline constexpr int kCardRadius = 12;
// The page title row at the top of every page; the first card starts below it.
inline constexpr int kPageTitleHeight = 56;

// Sizes of the small pictures.
inline constexpr SkinSize kKeyLabel{144, 52};      // KeyS: one of the twelve key captions
inline constexpr SkinSize kMacroButton{96, 28};    // MacroS: macro page tool buttons
inline constexpr SkinSize kRecordButton{132, 36};  // MacroBtnS: Record / Stop
inline constexpr SkinSize kCheckMark{18, 18};      // CbS_D / CbS_E, RdS_D / RdS_E
inline constexpr SkinSize kShortSegment{16, 10};   // Bar1: 10- and 11-step bars
inline constexpr SkinSize kLongSegment{16, 14};    // Bar2: the 12-step CPI and AIM bars
inline constexpr int kSegmentGap = 4;              // between the segments of a bar
inline constexpr SkinSize kSwatchFrame{30, 24};    // Col_F
inline constexpr int kSwatchInset = 3;         // the window fills the frame's hole with the colour
inline constexpr SkinSize kEventIcon{20, 20};  // one per macro event kind
inline constexpr SkinSize kStageIcon{24, 24};  // GunMode1..5: the gun stage columns
inline constexpr SkinSize kInsertPanel{284, 172};  // InsertDelayBase, InsertKeyBase, InsertXYBase
inline constexpr SkinSize kMessageBox{380, 200};   // MSG
inline constexpr SkinSize kLogo = kLogoSlot.size();
inline constexpr SkinSize kAppIcon{128, 128};    // 256 device pixels
inline constexpr SkinSize kSearching{240, 160};  // the page shown while no mouse is found

// The hole of a colour swatch frame, relative to the frame.
inline constexpr SkinRect kSwatchHole{kSwatchInset, kSwatchInset,
                                      kSwatchFrame.width - 2 * kSwatchInset,
                                      kSwatchFrame.height - 2 * kSwatchInset};

// Length of a bar of `segments` segments of width `segment`.
constexpr int barLength(int segments, SkinSize segment) {
    return segments * segment.width + (segments - 1) * kSegmentGap;
}

namespace key_page {
inline constexpr int kLabelRows = 6;
inline constexpr int kLabelTop = 60;
inline constexpr int kLabelPitch = 74;
inline constexpr int kLeftColumnX = kPageMargin;
inline constexpr int kRightColumnX = 360;
// The mouse picture, centred between the two label columns.
inline constexpr SkinRect kMouse{172, 118, 176, 300};
// Fire keys, AIM bar and gesture toggles.
inline constexpr SkinRect kSidePanel{520, kPageTitleHeight, 268, 444};

enum class Column { Left, Right };

constexpr SkinRect labelSlot(Column column, int row) {
    return {column == Column::Left ? kLeftColumnX : kRightColumnX, kLabelTop + row * kLabelPitch,
            kKeyLabel.width, kKeyLabel.height};
}
}  // namespace key_page

namespace advanced_page {
inline constexpr SkinRect kCpiCard{kPageMargin, kPageTitleHeight, 500, 444};
inline constexpr SkinRect kReportRateCard{532, kPageTitleHeight, 256, 180};
inline constexpr SkinRect kPointerCard{532, 252, 256, 248};
}  // namespace advanced_page

namespace light_page {
inline constexpr SkinRect kModeCard{kPageMargin, kPageTitleHeight, 248, 444};
inline constexpr SkinRect kSpeedCard{280, kPageTitleHeight, 508, 108};
inline constexpr SkinRect kColourCard{280, 180, 508, 148};
inline constexpr SkinRect kMcuLedCard{280, 344, 508, 156};
}  // namespace light_page

namespace macro_page {
inline constexpr SkinRect kListCard{kPageMargin, kPageTitleHeight, 224, 444};
inline constexpr SkinRect kStorageCard{252, kPageTitleHeight, 224, 444};
inline constexpr SkinRect kContentCard{488, kPageTitleHeight, 300, 444};
// Inside the content card: the event list, and under it the delay group or, in insert mode,
// the insert panel.
inline constexpr SkinRect kEventList{12, 52, 276, 198};
inline constexpr SkinRect kDelayGroup{8, 262, kInsertPanel.width, kInsertPanel.height};
}  // namespace macro_page

namespace update_page {
inline constexpr SkinRect kBanner{kPageMargin, kPageTitleHeight, 772, 150};
inline constexpr SkinRect kProgramCard{kPageMargin, 222, 772, 278};
}  // namespace update_page

namespace gun_page {
inline constexpr int kGuns = 7;
inline constexpr SkinSize kGunCard{104, 76};
// Inside a gun card: the drawing and the caption the window writes under it.
inline constexpr SkinRect kGunDrawing{6, 6, 92, 44};
inline constexpr SkinRect kGunCaption{4, 52, 96, 20};
inline constexpr SkinRect kStageCard{kPageMargin, 148, 772, 296};

constexpr SkinRect gunSlot(int index) {
    return {14 + index * (kGunCard.width + 8), kPageTitleHeight, kGunCard.width, kGunCard.height};
}
}  // namespace gun_page

}  // namespace gm::skin
