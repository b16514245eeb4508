// The store of the six values in the user's configuration folder: written whole through the
// program's file writer, read back, and skipped (so the defaults) when it cannot be read.
#include "host/desktop_mouse/pointer_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "host/files/atomic_file_writer.h"
#include "settings/desktop/desktop_pointer_store.h"
#include "support/temp_folder.h"

namespace gm::host::desktop_mouse {
namespace {

using settings::desktop::PointerSettings;
using settings::desktop::settingsOf;
using settings::desktop::valuesOf;

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PointerStore, LivesInTheConfigFolderXdgNames) {
    const char* before = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = before ? before : "";
    setenv("XDG_CONFIG_HOME", "/tmp/gm-config", 1);
    EXPECT_EQ(pointerStoreFile(), "/tmp/gm-config/gmouse/desktop-mouse.ini");
    setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(pointerStoreFile(), "/home/someone/.config/gmouse/desktop-mouse.ini");
    if (before)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

TEST(PointerStore, WritesTheFolderAndFileAndReadsThemBack) {
    gm::testing::TempFolder folder;
    AtomicFileWriter writer;
    IniPointerStore store(folder / "config/gmouse/desktop-mouse.ini", writer);
    PointerSettings settings;
    settings.speedLevel = 3;
    settings.precision = true;
    settings.wheelLevel = 9;
    settings.oneScreen = true;
    ASSERT_EQ(store.write(valuesOf(settings)), "");
    EXPECT_EQ(contentOf(store.file()), settings::desktop::storeText(valuesOf(settings)));
    const PointerSettings read = settingsOf(store.read());
    EXPECT_EQ(read.speedLevel, 3);
    EXPECT_TRUE(read.precision);
    EXPECT_TRUE(read.oneScreen);
    // Nothing but the store is left in its folder (the temporary file was renamed over it).
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(store.file().parent_path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(PointerStore, AStoreThatCannotBeReadIsSkippedForTheDefaults) {
    gm::testing::TempFolder folder;
    AtomicFileWriter writer;
    // Missing, a folder in the file's place, and bytes that are no INI text.
    std::filesystem::create_directories(folder / "folder.ini");
    const std::uint8_t garbage[] = {0xFF, 0x00, 0x5B, 0x0D, 0x3D};
    for (const std::filesystem::path& file :
         {folder / "missing.ini", folder / "folder.ini", folder.write("garbage.ini", garbage)}) {
        IniPointerStore store(file, writer);
        EXPECT_EQ(settingsOf(store.read()), PointerSettings{}) << file;
    }
}

TEST(PointerStore, AFailedWriteSaysSoAndKeepsTheOldFile) {
    gm::testing::TempFolder folder;
    AtomicFileWriter writer;
    // A file where the store's folder should be: the folder cannot be made.
    const std::uint8_t nothing[] = {0};
    folder.write("gmouse", nothing);
    IniPointerStore blocked(folder / "gmouse/desktop-mouse.ini", writer);
    EXPECT_NE(blocked.write(valuesOf(PointerSettings{})).find("cannot create the folder"),
              std::string::npos);
    IniPointerStore nowhere({}, writer);
    EXPECT_NE(nowhere.write(valuesOf(PointerSettings{})), "");
}

}  // namespace
}  // namespace gm::host::desktop_mouse
