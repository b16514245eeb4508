// What the pictures show agrees with the geometry and palette the window uses: the frame's bars
// lie where the header says, marks and segments read as on and off, the swatch frame has a hole.

#include <gtest/gtest.h>

#include "skin_test_support.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_pictures.h"

namespace gm::skin {
namespace {

using test::looksLike;
using test::pixelAt;

TEST(SkinPictures, WindowFrameHasItsBarsWhereTheGeometrySaysAndIsOpaque) {
    for (const auto& [name, window] :
         {std::pair{windowBackgroundName(1), kUserWindow},
          std::pair{std::string(kEngineeringBackground), kEngineeringWindow}}) {
        SCOPED_TRACE(name);
        const QImage frame = skinImage(name);
        ASSERT_FALSE(frame.isNull());
        const SkinRect content = contentRect(window);
        // Bars in panel colour (the top bar carries a faint sheen), content in background colour.
        EXPECT_TRUE(
            looksLike(pixelAt(frame, window.width / 2.0, kTopBarHeight - 4), colour::kPanel, 4));
        EXPECT_TRUE(looksLike(pixelAt(frame, kLeftColumnWidth / 2.0, content.centre().y),
                              colour::kPanel, 2));
        EXPECT_TRUE(
            looksLike(pixelAt(frame, window.width / 2.0, window.height - 10), colour::kPanel, 2));
        EXPECT_TRUE(looksLike(pixelAt(frame, content.right() - 20, content.bottom() - 20),
                              colour::kBackground, 4));
        // Hairlines on the borders between bars and content.
        EXPECT_TRUE(looksLike(pixelAt(frame, kLeftColumnWidth - 0.5, content.centre().y),
                              colour::kHairline, 2));
        EXPECT_TRUE(looksLike(pixelAt(frame, content.centre().x, kTopBarHeight - 0.5),
                              colour::kHairline, 2));
        for (const auto& corner :
             {QPointF(0, 0), QPointF(window.width - 0.5, window.height - 0.5)}) {
            EXPECT_EQ(pixelAt(frame, corner.x(), corner.y()).alpha(), 255);
        }
    }
}

// Page backgrounds lie over the window's content area: clear between the cards, so the frame
// shows through, and panel-coloured inside them.
TEST(SkinPictures, PageBackgroundsAreClearBetweenTheirCards) {
    struct Probe {
        PageBackground page;
        SkinRect card;
    };
    for (const Probe& probe : {Probe{PageBackground::Keys, key_page::kSidePanel},
                               Probe{PageBackground::Advanced, advanced_page::kCpiCard},
                               Probe{PageBackground::Light, light_page::kColourCard},
                               Probe{PageBackground::Macro, macro_page::kStorageCard},
                               Probe{PageBackground::Update, update_page::kProgramCard},
                               Probe{PageBackground::GunPresets, gun_page::kStageCard}}) {
        SCOPED_TRACE(static_cast<int>(probe.page));
        const QImage page = skinImage(pageBackgroundName(1, probe.page));
        ASSERT_FALSE(page.isNull());
        const SkinPoint inside = probe.card.centre();
        EXPECT_TRUE(looksLike(pixelAt(page, inside.x, inside.y), colour::kPanel, 3));
        EXPECT_EQ(pixelAt(page, 2, 2).alpha(), 0);
    }
}

TEST(SkinPictures, LitSegmentsShowTheAccentAndUnlitOnesStayDark) {
    for (const auto& [lit, unlit, size] : {std::tuple{"Bar1_E", "Bar1_D", kShortSegment},
                                           std::tuple{"Bar2_E", "Bar2_D", kLongSegment}}) {
        SCOPED_TRACE(lit);
        const double cx = size.width / 2.0;
        const double cy = size.height / 2.0;
        EXPECT_TRUE(looksLike(pixelAt(skinImage(lit), cx, cy), colour::kAccent, 20));
        EXPECT_TRUE(looksLike(pixelAt(skinImage(unlit), cx, cy), colour::kUnlit, 6));
    }
}

TEST(SkinPictures, CheckAndRadioMarksReadAsOnAndOff) {
    // Where the accent shows when on: the box beside the tick, the radio's dot.
    for (const auto& [on, off, probe] : {std::tuple{"CbS_E", "CbS_D", QPointF(4.5, 14)},
                                         std::tuple{"RdS_E", "RdS_D", QPointF(11.5, 11.5)}}) {
        SCOPED_TRACE(on);
        const QImage lit = skinImage(on);
        const QImage dark = skinImage(off);
        EXPECT_EQ(lit.size(), dark.size());
        EXPECT_TRUE(looksLike(pixelAt(lit, probe.x(), probe.y()), colour::kAccent, 40));
        EXPECT_TRUE(looksLike(pixelAt(dark, probe.x(), probe.y()), colour::kSunken, 6));
    }
}

TEST(SkinPictures, SwatchFrameLeavesItsHoleClearAndItsRingOpaque) {
    const QImage frame = skinImage("Col_F");
    ASSERT_FALSE(frame.isNull());
    const SkinPoint middle = kSwatchHole.centre();
    EXPECT_EQ(pixelAt(frame, middle.x, middle.y).alpha(), 0);
    EXPECT_EQ(pixelAt(frame, kSwatchHole.x + 2, kSwatchHole.y + 2).alpha(), 0);
    EXPECT_EQ(pixelAt(frame, 1.5, kSwatchFrame.height / 2.0).alpha(), 255);
    EXPECT_EQ(pixelAt(frame, kSwatchFrame.width / 2.0, kSwatchFrame.height - 1.5).alpha(), 255);
}

TEST(SkinPictures, SelectedGunCardsCarryTheAccent) {
    for (int gun = 1; gun <= kGunPictures; ++gun) {
        SCOPED_TRACE(gun);
        const QImage normal = skinImage(gunPictureName(gun, false));
        const QImage selected = skinImage(gunPictureName(gun, true));
        // The card's border: hairline when normal, accent when selected.
        EXPECT_TRUE(
            looksLike(pixelAt(normal, gun_page::kGunCard.width / 2.0, 0.25), colour::kHairline, 6));
        EXPECT_TRUE(
            looksLike(pixelAt(selected, gun_page::kGunCard.width / 2.0, 0.25), colour::kAccent, 6));
    }
}

TEST(SkinPictures, TheGunsAreSevenDifferentDrawings) {
    for (int a = 1; a <= kGunPictures; ++a) {
        for (int b = a + 1; b <= kGunPictures; ++b) {
            EXPECT_NE(skinImage(gunPictureName(a, false)), skinImage(gunPictureName(b, false)))
                << a << " and " << b;
        }
    }
}

}  // namespace
}  // namespace gm::skin
