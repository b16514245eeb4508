#include "device/session/engineering_imports.h"

#include <gtest/gtest.h>

#include <numeric>

#include "operations_rig.h"

namespace gm::device::session {
namespace {

using image::ChipType;
using testing::OperationsRig;

TEST(EngineeringImports, BaseMacrosGoOutAsTwoHalvesOfTheMacroArea) {
    OperationsRig rig;
    std::vector<std::uint8_t> macros(512);
    std::iota(macros.begin(), macros.end(), 0);
    ASSERT_TRUE(importBaseMacros(rig.workspace, rig.writeFile("m.bin", macros)).ok());
    EXPECT_EQ(rig.blockWrites(), (std::vector<std::pair<int, int>>{{496, 256}, {752, 256}}));
    const image::Image eeprom = rig.mouse.eeprom();
    EXPECT_TRUE(std::equal(macros.begin(), macros.end(), eeprom.begin() + 496));
    EXPECT_TRUE(std::equal(macros.begin(), macros.end(), rig.model.copies.macroArea.begin()));
    EXPECT_TRUE(rig.session.pollEnabled());
}

TEST(EngineeringImports, FireMacrosLandInTheTailOfEachChip) {
    std::vector<std::uint8_t> records(240);
    std::iota(records.begin(), records.end(), 1);
    {
        OperationsRig rig(ChipType::Chip4210A);
        ASSERT_TRUE(importFireMacros(rig.workspace, rig.writeFile("f.bin", records)).ok());
        EXPECT_EQ(rig.blockWrites(), (std::vector<std::pair<int, int>>{{1808, 240}}));
        const image::Image eeprom = rig.mouse.eeprom();
        EXPECT_TRUE(std::equal(records.begin(), records.end(), eeprom.begin() + 1808));
    }
    {
        OperationsRig rig(ChipType::Chip4230A);
        const image::Image before = rig.mouse.eeprom();
        ASSERT_TRUE(importFireMacros(rig.workspace, rig.writeFile("f.bin", records)).ok());
        EXPECT_EQ(rig.blockWrites(), (std::vector<std::pair<int, int>>{{1536, 512}}));
        const image::Image eeprom = rig.mouse.eeprom();
        // Names and the unused end stay; each record takes 24 file bytes and 8 zeros.
        EXPECT_TRUE(
            std::equal(before.begin() + 1536, before.begin() + 1696, eeprom.begin() + 1536));
        EXPECT_TRUE(std::equal(before.begin() + 2016, before.end(), eeprom.begin() + 2016));
        for (std::size_t r = 0; r < 10; ++r) {
            const auto record = eeprom.begin() + 1696 + 32 * r;
            EXPECT_TRUE(
                std::equal(records.begin() + 24 * r, records.begin() + 24 * (r + 1), record));
            EXPECT_TRUE(std::all_of(record + 24, record + 32, [](auto b) { return b == 0; }));
        }
    }
}

TEST(EngineeringImports, ARefusedWriteIsReportedNotHidden) {
    OperationsRig rig;
    rig.mouse.refuseCommands(true);
    const Result refused =
        importBaseMacros(rig.workspace, rig.writeFile("m.bin", std::vector<std::uint8_t>(512)));
    EXPECT_EQ(refused.failure, Failure::CommandRefused);
    EXPECT_EQ(refused.step, Step::WriteMacroArea);
}

// Both imports fail when a data report is refused, first or in the middle, or when the mouse
// leaves mid-write; the wire carries the same reports as a good import up to the fault.
TEST(EngineeringImports, AnIncompleteWriteFails) {
    const auto macroFile = std::vector<std::uint8_t>(512, 0x11);
    const auto fireFile = std::vector<std::uint8_t>(240, 0x22);
    for (const int fault : {1, 20, -20}) {
        for (const bool base : {true, false}) {
            OperationsRig rig;
            if (fault > 0)
                rig.mouse.refuseDataFrom(fault);
            else
                rig.mouse.vanishAfter(-fault);
            const Result result =
                base ? importBaseMacros(rig.workspace, rig.writeFile("m.bin", macroFile))
                     : importFireMacros(rig.workspace, rig.writeFile("f.bin", fireFile));
            EXPECT_FALSE(result.ok()) << "fault " << fault << (base ? " base" : " fire");
            EXPECT_EQ(result.step, base ? Step::WriteMacroArea : Step::WriteFireMacros);
            if (fault > 0) {
                EXPECT_EQ(result.failure, Failure::TransferIncomplete);
                EXPECT_GT(result.refused, 0);
            }
        }
    }
}

TEST(EngineeringImports, UnreadableFilesAndNoDeviceChangeNothing) {
    OperationsRig rig;
    const auto macroArea = rig.model.copies.macroArea;
    EXPECT_FALSE(importBaseMacros(rig.workspace, rig.temp / "missing.bin").ok());
    EXPECT_FALSE(importFireMacros(rig.workspace, rig.temp / "missing.bin").ok());
    EXPECT_EQ(rig.model.copies.macroArea, macroArea);
    EXPECT_TRUE(rig.blockWrites().empty());

    OperationsRig unplugged(ChipType::Chip4210A, false);
    EXPECT_FALSE(importBaseMacros(unplugged.workspace,
                                  unplugged.writeFile("m.bin", std::vector<std::uint8_t>(512)))
                     .ok());
    EXPECT_TRUE(unplugged.presenter.saw("Str022"));
    EXPECT_TRUE(unplugged.mouse.reports().empty());
}

}  // namespace
}  // namespace gm::device::session
