#include "device/session/patch_update.h"

#include <gtest/gtest.h>

#include "operations_rig.h"

namespace gm::device::session {
namespace {

using image::ChipType;
using testing::OperationsRig;

// Header giving `length`, with bytes 6..7 wrong on purpose, then `codeBytes` bytes i & 0xFF.
std::vector<std::uint8_t> patchFile(std::uint16_t length, std::size_t codeBytes) {
    std::vector<std::uint8_t> bytes{0x00,
                                    0x00,
                                    static_cast<std::uint8_t>(length >> 8),
                                    static_cast<std::uint8_t>(length & 0xFF),
                                    0x00,
                                    0x00,
                                    0xDE,
                                    0xAD,
                                    1,
                                    2,
                                    3,
                                    4,
                                    5,
                                    6,
                                    7,
                                    8};
    for (std::size_t i = 0; i < codeBytes; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 3));
    return bytes;
}

TEST(PatchProgramming, A736ByteHeaderIsSummedOver736BytesWhileTheWhole784AreWritten) {
    OperationsRig rig(ChipType::Chip4210A);
    const auto bytes = patchFile(736, 784);
    PatchUpdate update(rig.workspace);
    update.openPage();
    ASSERT_TRUE(update.loadFile(rig.writeFile("p.bin", bytes)).ok());
    ASSERT_TRUE(update.program().ok());

    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 736; ++i)
        sum = static_cast<std::uint16_t>(sum + bytes[16 + i]);
    const std::uint16_t checksum = sum ^ 0x015A;
    const image::Image eeprom = rig.mouse.eeprom();
    const std::vector<std::uint8_t> header(eeprom.begin() + 1008, eeprom.begin() + 1024);
    EXPECT_EQ(header,
              (std::vector<std::uint8_t>{
                  0x04, 0x00, 0x02, 0xE0, 0x00, 0x1A, static_cast<std::uint8_t>(checksum >> 8),
                  static_cast<std::uint8_t>(checksum & 0xFF), 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(std::equal(bytes.begin() + 16, bytes.end(), eeprom.begin() + 1024));
    EXPECT_EQ(rig.blockWrites(), (std::vector<std::pair<int, int>>{{1008, 16}, {1024, 784}}));
    EXPECT_EQ(rig.mouse.restartCount(), 1);
}

TEST(PatchProgramming, RefusedFilesAreExplainedAndNotProgrammed) {
    OperationsRig rig(ChipType::Chip4210A);
    PatchUpdate update(rig.workspace);
    const std::vector<std::vector<std::uint8_t>> refused{
        std::vector<std::uint8_t>(10, 0x04),  // shorter than the header
        patchFile(800, 800),                  // more than the 784-byte area
        patchFile(736, 500),                  // fewer code bytes than the header says
    };
    for (const auto& bytes : refused) {
        const Result loaded = update.loadFile(rig.writeFile("bad.bin", bytes));
        EXPECT_EQ(loaded.failure, Failure::FileUnusable);
        EXPECT_FALSE(loaded.detail.empty());
        EXPECT_FALSE(update.loaded());
        EXPECT_FALSE(update.program().ok());
    }
    EXPECT_FALSE(
        programPatchFile(rig.workspace, rig.writeFile("bad.bin", patchFile(800, 800))).ok());
    EXPECT_TRUE(rig.blockWrites().empty());
    EXPECT_EQ(rig.mouse.restartCount(), 0);
}

TEST(PatchProgramming, KeepsABackupAndFailsOnARefusedReport) {
    OperationsRig rig(ChipType::Chip4210A);
    const image::Image original = rig.mouse.eeprom();
    // The backup read's 293 data reports come first; then the header's 3, then the code's.
    rig.mouse.refuseDataFrom(293 + 3 + 10);
    const Result result =
        programPatchFile(rig.workspace, rig.writeFile("p.bin", patchFile(736, 736)));
    EXPECT_EQ(result.failure, Failure::TransferIncomplete);
    EXPECT_EQ(result.step, Step::WritePatchCode);
    EXPECT_EQ(result.backup, std::optional<std::size_t>(1));
    ASSERT_EQ(rig.backups().list().size(), 1u);
    EXPECT_EQ(rig.backups().list()[0].reason, "patch");
    EXPECT_EQ(rig.backups().load(1).image, original);
}

TEST(PatchProgramming, OpeningTheUpdatePageForgetsTheLoadedFile) {
    OperationsRig rig(ChipType::Chip4230A);
    PatchUpdate update(rig.workspace);
    ASSERT_TRUE(update.loadFile(rig.writeFile("p.bin", patchFile(512, 512))).ok());
    EXPECT_FALSE(update.fileName().empty());
    update.openPage();
    EXPECT_FALSE(update.loaded());
    EXPECT_FALSE(update.program().ok());
    EXPECT_TRUE(rig.presenter.messages.empty());
    EXPECT_TRUE(rig.blockWrites().empty());
}

TEST(PatchProgramming, ProgramDoesNothingWithoutADevice) {
    OperationsRig rig(ChipType::Chip4210A, false);
    PatchUpdate update(rig.workspace);
    ASSERT_TRUE(update.loadFile(rig.writeFile("p.bin", patchFile(736, 784))).ok());
    EXPECT_FALSE(update.program().ok());
    EXPECT_TRUE(rig.presenter.messages.empty());
    EXPECT_TRUE(rig.mouse.reports().empty());
}

TEST(PatchProgramming, TheEngineeringButtonProgramsInOneStep) {
    OperationsRig rig(ChipType::Chip4230A);
    ASSERT_TRUE(programPatchFile(rig.workspace, rig.writeFile("p.bin", patchFile(512, 512))).ok());
    EXPECT_EQ(rig.blockWrites(), (std::vector<std::pair<int, int>>{{1008, 16}, {1024, 512}}));
    EXPECT_EQ(rig.model.copies.patchCode.size(), 512u);
}

}  // namespace
}  // namespace gm::device::session
