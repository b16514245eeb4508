// The twelve button hot spots: each lies on the drawn mouse, names one key, has its own caption
// slot, and the leader lines from the captionSlots to the hot spots do not cross.

#include <gtest/gtest.h>

#include <QLineF>
#include <set>
#include <utility>

#include "skin_test_support.h"
#include "ui/skin/mouse_geometry.h"
#include "ui/skin/skin_pictures.h"

namespace gm::skin {
namespace {

using key_page::Column;

// The leader line the window draws: from the middle of the slot's edge that faces the mouse
// straight to the hot spot, in content coordinates.
QLineF leaderLine(const MouseButton& button) {
    const SkinRect slot = key_page::labelSlot(button.labelColumn, button.labelRow);
    const double x = button.labelColumn == Column::Left ? slot.right() : slot.x;
    const SkinPoint spot = hotSpotOnPage(button.key);
    return QLineF(QPointF(x, slot.centre().y), QPointF(spot.x, spot.y));
}

TEST(MouseGeometry, EveryKeyAppearsOnceWithItsOwnCaptionSlot) {
    std::set<int> keys;
    std::set<std::pair<Column, int>> captionSlots;
    for (const MouseButton& button : kMouseButtons) {
        keys.insert(button.key);
        EXPECT_GE(button.labelRow, 0);
        EXPECT_LT(button.labelRow, key_page::kLabelRows);
        EXPECT_TRUE(captionSlots.insert({button.labelColumn, button.labelRow}).second)
            << "slot shared by Key" << button.key;
        EXPECT_FALSE(button.part.empty());
        EXPECT_EQ(mouseButton(button.key).key, button.key);
    }
    EXPECT_EQ(keys, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(MouseGeometry, EveryHotSpotLiesOnTheDrawnMouse) {
    const QImage mouse = skinImage("Mouse");
    ASSERT_FALSE(mouse.isNull());
    for (const MouseButton& button : kMouseButtons) {
        const QColor under = test::pixelAt(mouse, button.hotSpot.x, button.hotSpot.y);
        EXPECT_EQ(under.alpha(), 255) << "Key" << button.key;
    }
}

TEST(MouseGeometry, HotSpotsAreFarEnoughApartToTellTheButtonsApart) {
    for (const MouseButton& a : kMouseButtons) {
        for (const MouseButton& b : kMouseButtons) {
            if (a.key < b.key) {
                const QLineF between(QPointF(a.hotSpot.x, a.hotSpot.y),
                                     QPointF(b.hotSpot.x, b.hotSpot.y));
                EXPECT_GE(between.length(), 14.0) << "Key" << a.key << " and Key" << b.key;
            }
        }
    }
}

TEST(MouseGeometry, LeaderLinesDoNotCross) {
    for (const MouseButton& a : kMouseButtons) {
        for (const MouseButton& b : kMouseButtons) {
            if (a.key < b.key) {
                EXPECT_NE(leaderLine(a).intersects(leaderLine(b), nullptr),
                          QLineF::BoundedIntersection)
                    << "Key" << a.key << " and Key" << b.key;
            }
        }
    }
}

TEST(MouseGeometry, CaptionSlotsStayInsideTheContentAndClearOfMouseAndPanel) {
    const SkinRect content{0, 0, kUserContent.width, kUserContent.height};
    for (const MouseButton& button : kMouseButtons) {
        const SkinRect slot = key_page::labelSlot(button.labelColumn, button.labelRow);
        EXPECT_TRUE(content.contains(slot)) << "Key" << button.key;
        const bool clearOfMouse =
            slot.right() <= key_page::kMouse.x || slot.x >= key_page::kMouse.right();
        EXPECT_TRUE(clearOfMouse) << "Key" << button.key;
        EXPECT_LE(slot.right(), key_page::kSidePanel.x) << "Key" << button.key;
    }
    EXPECT_TRUE(content.contains(key_page::kMouse));
    EXPECT_TRUE(content.contains(key_page::kSidePanel));
}

}  // namespace
}  // namespace gm::skin
