// The GSettings desktop against the installed GNOME schema on a private key-file backend in a
// temporary folder (set up in main before GIO starts), read back with the gsettings tool; and a
// schema or key that is not installed, refused by name.
#include "host/desktop_mouse/gsettings_desktop.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "host/desktop_mouse/desktop_mouse_settings.h"
#include "host/desktop_mouse/libinput_speed.h"
#include "run_tool.h"
#include "support/fake_desktop.h"

namespace gm::host::desktop_mouse {
namespace {

using settings::desktop::kLevels;
using settings::desktop::kPointerSpeeds;
using testing::toolOutput;

constexpr const char* kPartialSchema = "io.gmouse.test.partial-mouse";

std::string get(const char* key) {
    return toolOutput(std::string("gsettings get ") + kMouseSchema + " " + key);
}

TEST(GSettingsDesktop, ReadsWhatTheDesktopHoldsInTheStoredValuesUnits) {
    // main() set speed -0.4, accel-profile 'adaptive' and double-click 300 with the tool.
    GSettingsDesktop desktop;
    EXPECT_EQ(desktop.read(),
              (PointerReadings{
                  .speed = 6, .precision = settings::desktop::kPrecisionOn, .doubleClickMs = 300}));
}

TEST(GSettingsDesktop, AppliesSpeedProfileAndDoubleClickAndRefusesWheelLines) {
    std::vector<std::string> calls;
    DesktopMouseSettings settings([] { return std::make_unique<GSettingsDesktop>(); },
                                  std::make_unique<testing::FakeStore>(calls));
    const auto report = settings.change([](PointerSettings& s) {
        s = {.speedLevel = 9, .precision = false, .doubleClickLevel = 3, .wheelLevel = 4};
        return true;
    });
    ASSERT_TRUE(report);
    EXPECT_EQ(report->refusals,
              (std::vector<Refusal>{{Setting::WheelLines, Refusal::Reason::NotOffered, {}}}));
    EXPECT_NEAR(std::stod(get("speed")), 0.6, 1e-9);  // value 16
    EXPECT_EQ(get("accel-profile"), "'flat'");
    EXPECT_EQ(get("double-click"), "760");
    settings.change([](PointerSettings& s) {
        s.precision = true;
        return true;
    });
    EXPECT_EQ(get("accel-profile"), "'default'");
    // What was applied reads back as the same levels.
    EXPECT_EQ(settings::desktop::settingsOf(GSettingsDesktop().read()).speedLevel, 9);
}

TEST(GSettingsDesktop, EveryLevelsSpeedTravelsThereAndBack) {
    EXPECT_EQ(libinputSpeedOf(10), 0.0);
    EXPECT_EQ(libinputSpeedOf(20), 1.0);
    EXPECT_EQ(speedOfLibinput(-1.0), 0);
    for (int level = 1; level <= kLevels; ++level) {
        const int speed = kPointerSpeeds[static_cast<std::size_t>(level - 1)];
        EXPECT_EQ(speedOfLibinput(libinputSpeedOf(speed)), speed);
    }
}

TEST(GSettingsDesktop, ASchemaOrKeyNotInstalledIsRefusedByName) {
    GSettingsDesktop absent("io.gmouse.test.absent");
    EXPECT_EQ(absent.read(), PointerReadings{});
    const PointerValues values;
    EXPECT_EQ(
        absent.apply(Setting::PointerSpeed, values),
        (Refusal{Setting::PointerSpeed, Refusal::Reason::NotInstalled, "io.gmouse.test.absent"}));
    GSettingsDesktop partial(kPartialSchema);  // has `speed` only
    EXPECT_EQ(partial.apply(Setting::PointerSpeed, values), std::nullopt);
    EXPECT_EQ(partial.apply(Setting::DoubleClick, values),
              (Refusal{Setting::DoubleClick, Refusal::Reason::NotInstalled,
                       std::string(kPartialSchema) + " double-click"}));
    EXPECT_EQ(partial.read(), (PointerReadings{.speed = 10}));
}

// A temporary folder for the key file and a schema with only the speed key, named before GIO
// reads its environment; the GNOME keys get values to read back.
void usePrivateSettings(const std::filesystem::path& root) {
    const std::filesystem::path schemas = root / "schemas";
    std::filesystem::create_directories(schemas);
    std::ofstream(schemas / "io.gmouse.test.gschema.xml")
        << "<schemalist><schema id='" << kPartialSchema
        << "' path='/io/gmouse/test/partial-mouse/'>"
           "<key name='speed' type='d'><default>0.0</default></key></schema></schemalist>";
    ASSERT_EQ(toolOutput("glib-compile-schemas " + schemas.string()), "");
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    setenv("GSETTINGS_BACKEND", "keyfile", 1);
    setenv("GSETTINGS_SCHEMA_DIR", schemas.c_str(), 1);
    for (const char* seed : {"speed -0.4", "accel-profile adaptive", "double-click 300"})
        ASSERT_EQ(toolOutput(std::string("gsettings set ") + kMouseSchema + " " + seed), "");
}

}  // namespace
}  // namespace gm::host::desktop_mouse

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    char folder[] = "/tmp/gm-gsettings-XXXXXX";
    if (mkdtemp(folder) == nullptr)
        return 1;
    gm::host::desktop_mouse::usePrivateSettings(folder);
    const int result = ::testing::Test::HasFatalFailure() ? 1 : RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}
