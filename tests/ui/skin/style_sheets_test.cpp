// The looks' style sheets come out with every palette name filled in and the colours written as
// Qt reads them.

#include <gtest/gtest.h>

#include "ui/skin/style_sheets.h"

namespace gm::skin {
namespace {

TEST(StyleSheets, EveryLookHasItsColoursFilledIn) {
    for (int look = 0; look <= static_cast<int>(Look::SmallCaption); ++look) {
        const QString& sheet = styleSheet(static_cast<Look>(look));
        EXPECT_FALSE(sheet.isEmpty()) << look;
        EXPECT_FALSE(sheet.contains('@')) << look << ": " << sheet.toStdString();
        EXPECT_EQ(sheet.count('{'), sheet.count('}')) << look;
    }
    EXPECT_EQ(styleSheet(Look::Hint), "color: #8B93A1; font-size: 13px;");
    EXPECT_EQ(styleSheet(Look::PageOverlay), "background: rgba(21, 23, 28, 150);");
}

TEST(StyleSheets, ColoursAreSixUpperCaseDigits) {
    EXPECT_EQ(cssColour(colour::kOnAccent), "#0B1F1C");
    EXPECT_EQ(cssColour(0x000000), "#000000");
    EXPECT_EQ(qColour(colour::kAccent), QColor(0x2D, 0xD4, 0xBF));
    EXPECT_EQ(swatchStyle(QColor(1, 2, 3)),
              "background: rgb(1, 2, 3); border: 1px solid #2A2E37; border-radius: 3px;");
    EXPECT_EQ(liftedRowStyle("DPI_Row3"),
              "#DPI_Row3 { background: rgba(45, 212, 191, 18); border-radius: 8px; }");
}

}  // namespace
}  // namespace gm::skin
