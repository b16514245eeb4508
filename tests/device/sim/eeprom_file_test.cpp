#include "device/sim/eeprom_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace gm::sim {
namespace {

namespace fs = std::filesystem;

class EepromFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("gm_sim_eeprom_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    void writeBytes(const fs::path& path, std::size_t size) {
        std::ofstream(path, std::ios::binary) << std::string(size, 'x');
    }
    fs::path folder;
};

TEST_F(EepromFileTest, ReadsBackTheRawImage) {
    image::Image eeprom{};
    for (std::size_t i = 0; i < eeprom.size(); ++i) {
        eeprom[i] = static_cast<std::uint8_t>(i ^ 0x5A);
    }
    const fs::path path = folder / "mouse.bin";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(eeprom.data()),
               static_cast<std::streamsize>(eeprom.size()));
    const auto read = readEepromFile(path);
    ASSERT_TRUE(read.image.has_value()) << read.error;
    EXPECT_EQ(*read.image, eeprom);
}

TEST_F(EepromFileTest, RefusesFilesOfTheWrongSizeOrMissingWithAMessageNamingThem) {
    writeBytes(folder / "short.bin", 2047);
    writeBytes(folder / "long.bin", 2049);
    for (const char* name : {"short.bin", "long.bin", "missing.bin"}) {
        const auto read = readEepromFile(folder / name);
        EXPECT_FALSE(read.image.has_value());
        EXPECT_NE(read.error.find(name), std::string::npos) << read.error;
    }
}

}  // namespace
}  // namespace gm::sim
