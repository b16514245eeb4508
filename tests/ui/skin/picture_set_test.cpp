// The generator's picture set: it refuses an incomplete or wrongly sized set before anything is
// embedded, and writes one file per drawing with a .qrc alias for every catalogue name.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <stdexcept>

#include "picture_set.h"
#include "recipes.h"
#include "ui/skin/skin_catalogue.h"

namespace gm::skin::gen {
namespace {

class PictureSetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { complete_ = new PictureSet(drawAllPictures()); }
    static void TearDownTestSuite() {
        delete complete_;
        complete_ = nullptr;
    }

    // The complete set with `name` left out and, when given, `replacement` put in its place.
    static PictureSet withChange(const std::string& name, const QImage* replacement = nullptr) {
        PictureSet set;
        for (const auto& [drawn, image] : complete_->pictures()) {
            if (drawn != name) {
                set.add(drawn, image);
            } else if (replacement) {
                set.add(drawn, *replacement);
            }
        }
        return set;
    }

    static bool mentions(const std::vector<std::string>& problems, const std::string& text) {
        for (const std::string& problem : problems) {
            if (problem.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    static inline PictureSet* complete_ = nullptr;
};

TEST_F(PictureSetTest, TheRecipesDrawExactlyTheCatalogue) {
    EXPECT_TRUE(complete_->checkAgainstCatalogue().empty());
}

TEST_F(PictureSetTest, AMissingPictureIsReportedWithTheNamesThatNeedIt) {
    const auto problems = withChange("BackGround").checkAgainstCatalogue();
    EXPECT_TRUE(mentions(problems, "not drawn: BackGround"));
    EXPECT_TRUE(mentions(problems, "L3_BackGround"));
}

TEST_F(PictureSetTest, APictureAtSinglePixelDensityIsReported) {
    QImage small = complete_->at("BtnS_01").scaled(kBarButton.width, kBarButton.height);
    const auto problems = withChange("BtnS_01", &small).checkAgainstCatalogue();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(mentions(problems, "wrong size: BtnS_01"));
}

TEST_F(PictureSetTest, APictureNoNameUsesIsReported) {
    PictureSet set = withChange("");
    set.add("Stray", complete_->at("Logo"));
    EXPECT_TRUE(mentions(set.checkAgainstCatalogue(), "not in the catalogue: Stray"));
}

TEST_F(PictureSetTest, DrawingAPictureTwiceIsAnError) {
    PictureSet set;
    set.add("Logo", complete_->at("Logo"));
    EXPECT_THROW(set.add("Logo", complete_->at("Logo")), std::logic_error);
}

TEST_F(PictureSetTest, WritesOneFilePerDrawingAndAnAliasPerName) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(complete_->write(folder.path()));

    QFile qrc(folder.filePath("skin.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(qrc.readAll());
    EXPECT_TRUE(text.contains("<qresource prefix=\"/skin\">"));
    std::map<QString, QString> aliases;
    const QRegularExpression entry("<file alias=\"([^\"]+)\">([^<]+)</file>");
    for (auto it = entry.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        EXPECT_TRUE(aliases.emplace(match.captured(1), match.captured(2)).second)
            << match.captured(1).toStdString();
    }
    // Every name has its drawing and its 1x copy.
    EXPECT_EQ(aliases.size(), 2 * skinCatalogue().size());
    for (const auto& [alias, file] : aliases) {
        EXPECT_TRUE(QFile::exists(folder.filePath(file))) << file.toStdString();
    }
    // The three languages share one drawing of each background.
    EXPECT_EQ(aliases[QStringLiteral("L1_BackGround.png")], QStringLiteral("BackGround.png"));
    EXPECT_EQ(aliases[QStringLiteral("L3_BackGround.png")], QStringLiteral("BackGround.png"));
    EXPECT_EQ(aliases[QStringLiteral("L2_Back4.png")], QStringLiteral("Back4.png"));
    EXPECT_EQ(aliases[QStringLiteral("L2_Back4@1x.png")], QStringLiteral("Back4@1x.png"));
    EXPECT_EQ(QDir(folder.path()).entryList({"*.png"}).size(),
              static_cast<qsizetype>(2 * complete_->pictures().size()));
    // The 1x copy is the drawing at half its pixels.
    const QImage drawn(folder.filePath("Back4.png"));
    const QImage plain(folder.filePath("Back4@1x.png"));
    EXPECT_EQ(plain.size() * kPictureScale, drawn.size());
}

TEST_F(PictureSetTest, WritingWhereNoFolderCanBeMadeFails) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile blocker(folder.filePath("taken"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(complete_->write(folder.filePath("taken/skin")));
}

}  // namespace
}  // namespace gm::skin::gen
