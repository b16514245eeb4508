#include "image/files/import_files.h"

#include <gtest/gtest.h>

#include <numeric>

#include "support/temp_folder.h"

namespace gm::image::files {
namespace {

using gm::testing::TempFolder;

// Record i of the file: 24 bytes of value 0x10 + i.
std::vector<std::uint8_t> fireFile(std::size_t records) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < records; ++i) {
        bytes.insert(bytes.end(), kFireMacroFileRecordSize, static_cast<std::uint8_t>(0x10 + i));
    }
    return bytes;
}

ImageModel modelFor(ChipType chip) {
    ImageModel model;
    model.setChip(chip);
    std::fill(model.copies.tail.begin(), model.copies.tail.end(), 0xEE);
    for (auto& record : model.copies.fireMacroRecords)
        std::fill(record.begin(), record.end(), 0xEE);
    for (std::size_t i = 0; i < kFireMacroCount; ++i) {
        model.copies.fireMacroNames[i].fill(static_cast<std::uint8_t>(0xA0 + i));
    }
    return model;
}

TEST(FireMacroImport, The4210AStoresRecordIAtTailOffset24I) {
    TempFolder temp;
    ImageModel model = modelFor(ChipType::Chip4210A);
    importFireMacroRecords(readFireMacroFile(temp.write("f.bin", fireFile(10))), model.copies,
                           model.geometry);
    ASSERT_EQ(model.copies.tail.size(), 240u);
    for (std::size_t i = 0; i < 240; ++i) {
        EXPECT_EQ(model.copies.tail[i], 0x10 + i / 24) << "tail offset " << i;
    }
    EXPECT_EQ(model.copies.fireMacroRecords[9], std::vector<std::uint8_t>(24, 0x19));
}

TEST(FireMacroImport, The4230AFillsThe32ByteRecordsAndKeepsNamesAndUnusedBytes) {
    TempFolder temp;
    ImageModel model = modelFor(ChipType::Chip4230A);
    importFireMacroRecords(readFireMacroFile(temp.write("f.bin", fireFile(10))), model.copies,
                           model.geometry);
    const auto& tail = model.copies.tail;
    ASSERT_EQ(tail.size(), 512u);
    for (std::size_t i = 0; i < 160; ++i)
        EXPECT_EQ(tail[i], 0xA0 + i / 16) << "name byte " << i;
    for (std::size_t r = 0; r < 10; ++r) {
        const std::size_t at = 160 + 32 * r;
        for (std::size_t b = 0; b < 24; ++b)
            EXPECT_EQ(tail[at + b], 0x10 + r);
        for (std::size_t b = 24; b < 32; ++b)
            EXPECT_EQ(tail[at + b], 0x00);
        EXPECT_EQ(model.copies.fireMacroRecords[r].size(), 32u);
    }
    for (std::size_t i = 480; i < 512; ++i)
        EXPECT_EQ(tail[i], 0xEE) << "unused byte " << i;
}

TEST(FireMacroImport, AShortFileKeepsTheLaterRecords) {
    TempFolder temp;
    ImageModel model = modelFor(ChipType::Chip4210A);
    auto bytes = fireFile(3);
    bytes.resize(3 * 24 + 5);  // record 3 only partly present
    const auto path = temp.write("f.bin", bytes);
    const auto file = readFireMacroFile(path);
    importFireMacroRecords(file, model.copies, model.geometry);
    EXPECT_EQ(model.copies.tail[2 * 24], 0x12);
    EXPECT_EQ(model.copies.tail[3 * 24 + 4], 0x00);  // zero-filled by resize above
    EXPECT_EQ(model.copies.tail[3 * 24 + 5], 0xEE);
    EXPECT_EQ(model.copies.tail[239], 0xEE);
    EXPECT_NE(sizeNote(path, file, "fire macro table").find("77..239"), std::string::npos);
}

TEST(BaseMacroImport, ReadsTheMacroAreaByteForByte) {
    TempFolder temp;
    std::vector<std::uint8_t> bytes(600);
    std::iota(bytes.begin(), bytes.end(), 0);
    const auto file = readBaseMacroFile(temp.write("m.bin", bytes));
    ASSERT_TRUE(file.ok());
    EXPECT_TRUE(file.longer);
    std::array<std::uint8_t, 512> area{};
    applySizedFile(file, area);
    EXPECT_TRUE(std::equal(area.begin(), area.end(), bytes.begin()));
}

}  // namespace
}  // namespace gm::image::files
