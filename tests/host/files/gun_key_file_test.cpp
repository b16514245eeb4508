// The gun-key list's file: missing, short and long files, and every change written whole after
// reading what the other program left.
#include <gtest/gtest.h>

#include "host/files/atomic_file_writer.h"
#include "host/files/gun_key_file.h"
#include "image/files/file_io.h"
#include "support/temp_folder.h"

namespace gm::host {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes fileBytes(const std::filesystem::path& path) {
    return image::files::readFile(path, 100).bytes;
}

struct GunKeyFileTest : ::testing::Test {
    gm::testing::TempFolder folder;
    AtomicFileWriter writer;
    std::filesystem::path path = folder / kGunKeyFileName;
};

TEST_F(GunKeyFileTest, MissingFileMeansNoListAndTheFirstAddMakesIt) {
    GunKeyFile file(path, writer);
    ASSERT_TRUE(file.load().ok());
    EXPECT_EQ(file.list(), nullptr);
    const auto added = file.change([](buttons::GunKeyList& list) {
        return list.add(buttons::gunKeyCode({.keepLeftItem = 1, .numberItem = 2})).has_value();
    });
    ASSERT_TRUE(added.ok()) << device::messageOf(added).text;
    ASSERT_NE(file.list(), nullptr);
    Bytes expected(40, 0x00);
    expected[0] = 0x0B;
    expected[1] = 0x10;
    expected[2] = 0x03;
    EXPECT_EQ(fileBytes(path), expected);
}

TEST_F(GunKeyFileTest, ShortAndLongFilesAreReadAsFarAsTheyGoAndSaid) {
    for (const std::size_t size : {6u, 44u}) {
        Bytes bytes(size, 0x00);
        bytes[4] = 0x0B;
        bytes[5] = 0x8F;
        folder.write(kGunKeyFileName, bytes);
        GunKeyFile file(path, writer);
        const device::Result loaded = file.load();
        ASSERT_TRUE(loaded.ok());
        ASSERT_EQ(loaded.notes.size(), 1u) << size;
        ASSERT_NE(file.list(), nullptr);
        EXPECT_EQ(file.list()->entries().at(0).name, "Fire Macro2");
        EXPECT_EQ(file.list()->entries().at(0).code[1], 0x8F);
    }
}

TEST_F(GunKeyFileTest, DeleteRewritesTheFileFromWhatItHoldsNow) {
    GunKeyFile editor(path, writer);
    GunKeyFile other(path, writer);
    ASSERT_TRUE(editor.change([](auto& list) {
        return list.add({0x0B, 0x10, 0x01, 0}).has_value();
    }));
    // Another program adds meanwhile: the editor's delete keeps that code.
    ASSERT_TRUE(other.change([](auto& list) {
        return list.add({0x0B, 0x11, 0x01, 0}).has_value();
    }));
    ASSERT_TRUE(editor.change([](auto& list) {
        list.remove(0);
        return true;
    }));
    Bytes expected(40, 0x00);
    expected[0] = 0x0B;
    expected[1] = 0x11;
    expected[2] = 0x01;
    EXPECT_EQ(fileBytes(path), expected);
    EXPECT_EQ(editor.list()->entries().size(), 1u);
}

}  // namespace
}  // namespace gm::host
