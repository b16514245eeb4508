#include <gtest/gtest.h>

#include <string_view>

#include "ui/text/engineering_terms.h"

namespace gm::ui::text {
namespace {

TEST(EngineeringTerms, ChineseColumnOnlyForChina) {
    for (const char* china : {"zh_CN", "zh-CN", "zh_CN.UTF-8", "zh_CN.GB2312", "zh_CN@pinyin"})
        EXPECT_EQ(termColumnFor(china), TermColumn::Chinese) << china;
    for (const char* other : {"", "C", "POSIX", "en_US", "zh_TW", "zh_HK", "zh", "zh_SG", "ZH_cn"})
        EXPECT_EQ(termColumnFor(other), TermColumn::English) << other;
}

// Identifiers are positions: a term left out or doubled shifts every later one.
TEST(EngineeringTerms, TermsByIdentifier) {
    EXPECT_EQ(engineeringTerm(0, TermColumn::English), "Office Mode");
    EXPECT_EQ(engineeringTerm(0, TermColumn::Chinese), "办公模式");
    EXPECT_EQ(engineeringTerm(55, TermColumn::English), "CPI 8:");
    EXPECT_EQ(engineeringTerm(99, TermColumn::English), "Color10 B:");
    EXPECT_EQ(engineeringTerm(112, TermColumn::Chinese), "长按'中键'");
    EXPECT_EQ(engineeringTerm(135, TermColumn::English), "Color 10");
    EXPECT_EQ(engineeringTerm(154, TermColumn::Chinese), "删除枪键");
}

TEST(EngineeringTerms, EveryIdentifierHasBothTextsAndOthersHaveNone) {
    for (int id = 0; id < kEngineeringTermCount; ++id) {
        EXPECT_FALSE(engineeringTerm(id, TermColumn::English).empty()) << id;
        EXPECT_FALSE(engineeringTerm(id, TermColumn::Chinese).empty()) << id;
    }
    for (const int id : {-1, kEngineeringTermCount, 1000}) {
        EXPECT_EQ(engineeringTerm(id, TermColumn::English), "") << id;
        EXPECT_EQ(engineeringTerm(id, TermColumn::Chinese), "") << id;
    }
}

}  // namespace
}  // namespace gm::ui::text
