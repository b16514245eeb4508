#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "image/settings/program_settings.h"
#include "image/settings/settings_table.h"

namespace gm::image::settings {
namespace {

ProgramSettings settingsOf(std::string_view lines) {
    return readProgramSettings(IniText::parse("[org]\n" + std::string(lines)).section("org"));
}

TEST(ProgramSettings, BuiltInTableGivesItsValues) {
    const ProgramSettings& settings = builtInProgramSettings();
    EXPECT_FALSE(settings.webEnabled);
    EXPECT_TRUE(settings.webAddress.starts_with("https://")) << settings.webAddress;
    EXPECT_EQ(settings.webX, 9400);
    EXPECT_EQ(settings.webY, 9016);
    EXPECT_EQ(settings.reservedManufacturerId, 0);
    EXPECT_EQ(settings.reservedProductId, 0);
    EXPECT_EQ(settings.macroFolder, "");
    EXPECT_FALSE(settings.textRolling);
    EXPECT_FALSE(settings.buttonEffect);
    EXPECT_TRUE(settings.gunDisplay);
    EXPECT_TRUE(settings.sliderLevelStyle);
    EXPECT_EQ(settings.gun6Count, 2);
    EXPECT_EQ(settings.gun7Count, 3);
    EXPECT_EQ(settings.levelNumberOrder, 1);
}

TEST(ProgramSettings, StoredTableIsOneOrgSectionWithCrLfLines) {
    const auto stored = detail::kStoredSettingsTable;
    const std::string_view text(reinterpret_cast<const char*>(stored.data()), stored.size());
    ASSERT_TRUE(text.ends_with("\r\n"));
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        ASSERT_GT(at, 0u);
        EXPECT_EQ(text[at - 1], '\r') << "bare LF at " << at;
    }
    EXPECT_NE(text.find("\r\n[org]\r\n"), std::string_view::npos);
    EXPECT_EQ(IniText::parse(text).section("org").text("Num_Mouse_Order"), "0");
}

TEST(ProgramSettings, CountsAndOrderAreClampedToTheirRanges) {
    const ProgramSettings low = settingsOf("Gun6_Num=0\nGun7_Num=-3\nNum_Order=-1\n");
    EXPECT_EQ(low.gun6Count, 1);
    EXPECT_EQ(low.gun7Count, 1);
    EXPECT_EQ(low.levelNumberOrder, 0);
    const ProgramSettings high = settingsOf("Gun6_Num=3\nGun7_Num=5\nNum_Order=2\n");
    EXPECT_EQ(high.gun6Count, 2);
    EXPECT_EQ(high.gun7Count, 3);
    EXPECT_EQ(high.levelNumberOrder, 1);
}

TEST(ProgramSettings, FlagsAreSetOnlyByOne) {
    EXPECT_TRUE(settingsOf("Web_Enable=1\n").webEnabled);
    for (const char* value : {"0", "2", "-1", "yes", ""}) {
        EXPECT_FALSE(settingsOf("Web_Enable=" + std::string(value) + "\n").webEnabled) << value;
    }
}

TEST(ProgramSettings, AbsentOrNonNumericValuesReadAsZeroThenClamp) {
    EXPECT_EQ(readProgramSettings(IniSection()), ProgramSettings());
    const ProgramSettings settings = settingsOf("Web_X=left\nGun7_Num=many\n");
    EXPECT_EQ(settings.webX, 0);
    EXPECT_EQ(settings.gun7Count, 1);
}

}  // namespace
}  // namespace gm::image::settings
