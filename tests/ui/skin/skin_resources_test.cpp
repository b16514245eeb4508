// The embedded skin holds every picture the window asks for, at twice its logical size, with
// complete three-state sets and a full set of backgrounds per language.

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <set>
#include <string>
#include <vector>

#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_pictures.h"

namespace gm::skin {
namespace {

TEST(SkinResources, EveryCatalogueEntryLoadsAtTwiceItsLogicalSize) {
    ASSERT_FALSE(skinCatalogue().empty());
    for (const SkinPicture& entry : skinCatalogue()) {
        SCOPED_TRACE(entry.name);
        const QImage image = skinImage(entry.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), entry.size.width * kPictureScale);
        EXPECT_EQ(image.height(), entry.size.height * kPictureScale);
        EXPECT_EQ(image.devicePixelRatio(), kPictureScale);
        EXPECT_EQ(image.deviceIndependentSize().toSize(),
                  QSize(entry.size.width, entry.size.height));
    }
}

// The names the window's controls use, written out rather than derived from the catalogue, so
// a renamed or dropped picture fails here.
TEST(SkinResources, NamesTheWindowUsesExist) {
    std::vector<std::string> names{"BtnS_01",
                                   "SetS_01",
                                   "KeyS_01",
                                   "ExitS_01",
                                   "MiniS_01",
                                   "WebS_01",
                                   "MacroS_01",
                                   "MacroBtnS_01",
                                   "LangS_01",
                                   "CbS_D",
                                   "CbS_E",
                                   "RdS_D",
                                   "RdS_E",
                                   "Bar1_D",
                                   "Bar1_E",
                                   "Bar2_D",
                                   "Bar2_E",
                                   "Col_F",
                                   "InsertDelayBase",
                                   "InsertKeyBase",
                                   "InsertXYBase",
                                   "Update",
                                   "MSG",
                                   "Mouse",
                                   "Logo",
                                   "Searching",
                                   "AppIcon",
                                   "EngBackGround",
                                   "EvtDelay",
                                   "EvtPress",
                                   "EvtRelease",
                                   "EvtMove",
                                   "EvtRepeatStart",
                                   "EvtRepeatStop"};
    for (int gun = 1; gun <= 7; ++gun) {
        names.push_back("Gun" + std::to_string(gun) + "_01");
        names.push_back("Gun" + std::to_string(gun) + "_02");
    }
    for (int mode = 1; mode <= 5; ++mode) {
        names.push_back("GunMode" + std::to_string(mode));
    }
    for (int language = 1; language <= 3; ++language) {
        const std::string prefix = std::string(1, 'L').append(std::to_string(language)).append("_");
        names.push_back(prefix + "BackGround");
        for (int page = 1; page <= 6; ++page) {
            names.push_back(prefix + "Back" + std::to_string(page));
        }
    }
    for (const std::string& name : names) {
        EXPECT_NE(findSkinPicture(name), nullptr) << name;
        EXPECT_FALSE(skinImage(name).isNull()) << name;
    }
}

TEST(SkinResources, ThreeStateSetsAreCompleteAndEachStateLooksDifferent) {
    for (std::string_view base : threeStateBases()) {
        SCOPED_TRACE(std::string(base));
        const QImage normal = skinImage(buttonPictureName(base, ButtonState::Normal));
        const QImage hover = skinImage(buttonPictureName(base, ButtonState::Hover));
        const QImage selected = skinImage(buttonPictureName(base, ButtonState::Selected));
        ASSERT_FALSE(normal.isNull() || hover.isNull() || selected.isNull());
        EXPECT_EQ(normal.size(), hover.size());
        EXPECT_EQ(normal.size(), selected.size());
        EXPECT_NE(normal, hover);
        EXPECT_NE(hover, selected);
        EXPECT_NE(normal, selected);
    }
}

TEST(SkinResources, EveryLanguageHasTheWindowAndEveryPageBackground) {
    for (int language = 1; language <= kLanguages; ++language) {
        SCOPED_TRACE(language);
        const QImage window = skinImage(windowBackgroundName(language));
        EXPECT_EQ(window.deviceIndependentSize().toSize(),
                  QSize(kUserWindow.width, kUserWindow.height));
        for (int page = 1; page <= static_cast<int>(PageBackground::GunPresets); ++page) {
            const QImage background =
                skinImage(pageBackgroundName(language, static_cast<PageBackground>(page)));
            EXPECT_EQ(background.deviceIndependentSize().toSize(),
                      QSize(kUserContent.width, kUserContent.height))
                << "page " << page;
        }
    }
    EXPECT_EQ(skinImage(kEngineeringBackground).deviceIndependentSize().toSize(),
              QSize(kEngineeringWindow.width, kEngineeringWindow.height));
}

TEST(SkinResources, PerKindAndPerGunNamesResolve) {
    for (int kind : {0, 1, 2, 3, 7, 8}) {
        const std::string_view name = macroEventIconName(kind);
        ASSERT_FALSE(name.empty()) << kind;
        EXPECT_FALSE(skinImage(name).isNull()) << kind;
    }
    // Kinds 4..6 are movement variants without a line of their own; 9 does not exist.
    for (int kind : {4, 5, 6, 9, -1}) {
        EXPECT_TRUE(macroEventIconName(kind).empty()) << kind;
    }
    EXPECT_EQ(gunPictureName(7, true), "Gun7_02");
    EXPECT_EQ(gunPictureName(1, false), "Gun1_01");
    EXPECT_EQ(pageBackgroundName(2, PageBackground::Update), "L2_Back5");
}

TEST(SkinResources, CatalogueNamesAreUnique) {
    std::set<std::string> names;
    for (const SkinPicture& entry : skinCatalogue()) {
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
    }
}

// Buttons sit on panels of other colours and the window draws their states over each other,
// so nothing may be painted outside their rounded shape.
TEST(SkinResources, ButtonCornersStayTransparent) {
    for (std::string_view base : threeStateBases()) {
        for (ButtonState state : {ButtonState::Normal, ButtonState::Hover, ButtonState::Selected}) {
            const QImage image = skinImage(buttonPictureName(base, state));
            ASSERT_FALSE(image.isNull());
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
                  QPoint(image.width() - 1, image.height() - 1)}) {
                EXPECT_EQ(image.pixelColor(corner).alpha(), 0)
                    << buttonPictureName(base, state) << " at " << corner.x() << "," << corner.y();
            }
        }
    }
}

TEST(SkinResources, AnUnknownNameGivesANullPictureAndNoEntry) {
    EXPECT_TRUE(skinImage("NoSuchPicture").isNull());
    EXPECT_TRUE(skinPixmap("NoSuchPicture").isNull());
    EXPECT_EQ(findSkinPicture("NoSuchPicture"), nullptr);
    EXPECT_TRUE(skinImage("").isNull());
}

TEST(SkinResources, PixmapsPaintAtTheirLogicalSizeAndTheScreensScale) {
    const QPixmap button = skinPixmap("BtnS_01");
    ASSERT_FALSE(button.isNull());
    // The test screen is a plain one: the 1x copy, not the drawing scaled at every paint.
    EXPECT_EQ(button.devicePixelRatio(), qGuiApp->devicePixelRatio());
    EXPECT_EQ(button.deviceIndependentSize().toSize(), QSize(kBarButton.width, kBarButton.height));
    // The drawing itself keeps its 2x pixels.
    EXPECT_EQ(skinImage("BtnS_01").devicePixelRatio(), kPictureScale);
    // Asked again, the same decoded pixels.
    EXPECT_EQ(skinPixmap("BtnS_01").cacheKey(), button.cacheKey());
}

}  // namespace
}  // namespace gm::skin
