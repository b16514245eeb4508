// The frame and page geometry holds together: bars and content tile the window, chrome buttons
// and page buttons fit their bars without overlapping, and every card fits its page.

#include <gtest/gtest.h>

#include <vector>

#include "ui/skin/page_geometry.h"

namespace gm::skin {
namespace {

bool overlap(const SkinRect& a, const SkinRect& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

void expectInsideWithoutOverlap(const SkinRect& area, const std::vector<SkinRect>& parts) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_TRUE(area.contains(parts[i])) << "part " << i;
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            EXPECT_FALSE(overlap(parts[i], parts[j])) << "parts " << i << " and " << j;
        }
    }
}

TEST(FrameGeometry, BarsAndContentTileBothWindows) {
    for (SkinSize window : {kUserWindow, kEngineeringWindow}) {
        const SkinRect content = contentRect(window);
        EXPECT_EQ(content.x, kLeftColumnWidth);
        EXPECT_EQ(content.y, kTopBarHeight);
        EXPECT_EQ(content.right(), window.width);
        EXPECT_EQ(content.bottom(), bottomBarTop(window));
        EXPECT_EQ(bottomBarTop(window) + kBottomBarHeight, window.height);
    }
}

TEST(FrameGeometry, ChromeButtonsFitTheTopBarWithoutOverlapping) {
    for (SkinSize window : {kUserWindow, kEngineeringWindow}) {
        const SkinRect topBar{0, 0, window.width, kTopBarHeight};
        std::vector<SkinRect> parts{kLogoSlot};
        for (int i = 0; i < 3; ++i) {
            parts.push_back(languageButtonSlot(window, i));
            parts.push_back(chromeButtonSlot(window, i));
        }
        expectInsideWithoutOverlap(topBar, parts);
        // Room for the title between the logo and the language buttons.
        EXPECT_GE(languageButtonSlot(window, 0).x - kTitleOrigin.x, 420);
    }
}

TEST(FrameGeometry, BottomBarHoldsFiveButtonsAndAStatusLine) {
    for (SkinSize window : {kUserWindow, kEngineeringWindow}) {
        const SkinRect bottomBar{0, bottomBarTop(window), window.width, kBottomBarHeight};
        std::vector<SkinRect> parts;
        for (int i = 0; i < 3; ++i) {
            parts.push_back(bottomLeftButtonSlot(window, i));
        }
        parts.push_back(bottomRightButtonSlot(window, 0));
        parts.push_back(bottomRightButtonSlot(window, 1));
        parts.push_back(statusLineRect(window));
        expectInsideWithoutOverlap(bottomBar, parts);
        EXPECT_GE(statusLineRect(window).width, 240);
        EXPECT_EQ(bottomRightButtonSlot(window, 1).right(), window.width - kFrameMargin);
    }
}

TEST(FrameGeometry, EightPageButtonsFitTheColumn) {
    // Office, Game, Third, Advanced, Light, Macro, Update and, when unlocked, Engineer.
    const SkinRect column{0, kTopBarHeight, kLeftColumnWidth, kUserContent.height};
    std::vector<SkinRect> buttons;
    for (int row = 0; row < 8; ++row) {
        buttons.push_back(pageButtonSlot(row));
    }
    expectInsideWithoutOverlap(column, buttons);
}

TEST(PageGeometry, CardsFitTheirPageWithoutOverlapping) {
    const SkinRect page{0, 0, kUserContent.width, kUserContent.height};
    expectInsideWithoutOverlap(page, {key_page::kSidePanel, key_page::kMouse});
    expectInsideWithoutOverlap(page, {advanced_page::kCpiCard, advanced_page::kReportRateCard,
                                      advanced_page::kPointerCard});
    expectInsideWithoutOverlap(page, {light_page::kModeCard, light_page::kSpeedCard,
                                      light_page::kColourCard, light_page::kMcuLedCard});
    expectInsideWithoutOverlap(
        page, {macro_page::kListCard, macro_page::kStorageCard, macro_page::kContentCard});
    expectInsideWithoutOverlap(page, {update_page::kBanner, update_page::kProgramCard});
    std::vector<SkinRect> gunPage{gun_page::kStageCard};
    for (int gun = 0; gun < gun_page::kGuns; ++gun) {
        gunPage.push_back(gun_page::gunSlot(gun));
    }
    expectInsideWithoutOverlap(page, gunPage);
    // The event list and the delay group (or insert panel) under it, inside the content card.
    const SkinRect card{0, 0, macro_page::kContentCard.width, macro_page::kContentCard.height};
    expectInsideWithoutOverlap(card, {macro_page::kEventList, macro_page::kDelayGroup});
}

TEST(PageGeometry, BarsFitTheCardsThatHoldThem) {
    const int inner = 2 * kPageMargin;
    // Twelve CPI segments beside label, mark, value and swatch (150 for the first three and the
    // gaps) in the CPI card.
    EXPECT_LE(barLength(12, kLongSegment) + 150 + kSwatchFrame.width,
              advanced_page::kCpiCard.width - inner);
    // The twelve-step AIM bar across the key page's side panel.
    EXPECT_LE(barLength(12, kLongSegment), key_page::kSidePanel.width - inner);
    // Three eleven-step pointer bars in the pointer card, ten speed steps in the speed card.
    EXPECT_LE(barLength(11, kShortSegment), advanced_page::kPointerCard.width - inner);
    EXPECT_LE(barLength(10, kShortSegment), light_page::kSpeedCard.width - inner);
    // Ten colour swatches in a row.
    EXPECT_LE(10 * kSwatchFrame.width + 9 * 12, light_page::kColourCard.width - inner);
}

}  // namespace
}  // namespace gm::skin
