// The device macro list on the virtual mouse: Add to Mouse and its refusals, the delete that
// moves the later macros and the buttons with them, the tables following every image read, and
// the write under faults.
#include "macros/device_macros.h"

#include <gtest/gtest.h>

#include "buttons/key_tables.h"
#include "device/session/engineering_imports.h"
#include "macro_rig.h"
#include "macros/device_write.h"
#include "macros/macro_code.h"

namespace gm::macros {
namespace {

using device::Failure;
using device::Step;
using device::session::ChangeKind;
using testing::areaOf;
using testing::bodyOfLength;
using testing::Bytes;
using testing::MacroRig;
using testing::recordOf;

const Bytes kJump{0x82, 0x2C, 0xFE, 0x00, 0x32, 0x02, 0x2C, 0x00};  // Space down, 50 ms, up

TEST(AddToMouse, WritesTheKeyTablesThenBothHalvesAndTheTablesFollow) {
    MacroRig rig(areaOf({{"Reload", {0x00}}}));
    ASSERT_EQ(rig.deviceNames(), std::vector<std::string>{"Reload"});
    const MacroOutcome added = addToMouse(rig.workspace, recordOf("Jump", kJump));
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.index, 1u);
    EXPECT_EQ(rig.blockWrites(),
              (std::vector<std::pair<int, int>>{{192, 147}, {496, 256}, {752, 256}}));
    EXPECT_EQ(rig.mouseArea(), areaOf({{"Reload", {0x00}}, {"Jump", kJump}}));
    EXPECT_EQ(rig.deviceNames(), (std::vector<std::string>{"Reload", "Jump"}));
    EXPECT_EQ(rig.model.macros.entries[1].address, 0x200 + 17);
    EXPECT_EQ(rig.recorder.count(ChangeKind::Macros), 1);
    EXPECT_TRUE(rig.session.pollEnabled());
}

TEST(AddToMouse, ADuplicateNameOrASixteenthMacroSendsNothing) {
    std::vector<testing::Entry> fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen.push_back({"M" + std::to_string(i), {0x00}});
    MacroRig full(areaOf(fifteen));
    const MacroOutcome sixteenth = addToMouse(full.workspace, recordOf("New", {0x00}));
    EXPECT_EQ(sixteenth.refusal, Refusal::SlotsFull);
    const MacroOutcome duplicate = addToMouse(full.workspace, recordOf("M3", {0x00}));
    EXPECT_EQ(duplicate.refusal, Refusal::Duplicate);
    EXPECT_EQ(messageOf(duplicate).textId, "Str106");
    EXPECT_TRUE(full.blockWrites().empty());
    EXPECT_EQ(full.deviceNames().size(), 15u);
}

TEST(AddToMouse, AnImageNotReadWholeChangesNoMacro) {
    MacroRig rig(areaOf({{"Keep", {0xA1, 0x00}}}));
    rig.mouse.refuseOneData(100);  // one report of the next image read, inside the Macro area
    EXPECT_FALSE(rig.session.readWholeImage());
    rig.mouse.clearReports();
    const MacroOutcome added = addToMouse(rig.workspace, recordOf("New", {0x00}));
    EXPECT_EQ(added.refusal, Refusal::ImageIncomplete);
    EXPECT_EQ(deleteFromMouse(rig.workspace, 0).refusal, Refusal::ImageIncomplete);
    EXPECT_TRUE(rig.blockWrites().empty());
    EXPECT_EQ(rig.mouseArea(), areaOf({{"Keep", {0xA1, 0x00}}}));
    EXPECT_NE(messageOf(added).text.find("nothing was written"), std::string::npos);
}

TEST(AddToMouse, The513thByteIsRefusedWithStr103AndTheAreaStays) {
    // 272 + 223 = 495 bytes used; 17 more fill the area exactly, 18 are one too many.
    const MacroArea area = areaOf({{"Big", bodyOfLength(256)}, {"Mid", bodyOfLength(207)}});
    {
        MacroRig rig(area);
        const MacroOutcome over = addToMouse(rig.workspace, recordOf("Two", {0xA1, 0x00}));
        EXPECT_EQ(over.refusal, Refusal::AreaFull);
        EXPECT_EQ(messageOf(over).textId, "Str103");
        EXPECT_EQ(rig.model.copies.macroArea, area);
        EXPECT_EQ(rig.deviceNames().size(), 2u);
        EXPECT_TRUE(rig.blockWrites().empty());
    }
    {
        MacroRig rig(area);
        ASSERT_TRUE(addToMouse(rig.workspace, recordOf("One", {0x00})).ok());
        EXPECT_EQ(rig.model.macros.total, 512);
        EXPECT_EQ(rig.mouseArea(), rig.model.copies.macroArea);
    }
}

TEST(AddToMouse, AFillerTheRebuildAddsCountsTowardsThe512Bytes) {
    // As read, a key press starts at offset 255 without its filler: 258 bytes, and 254 more
    // would fill the area, but rebuilding adds the filler and makes it 513.
    Bytes press(239, 0xA1);
    press.insert(press.end(), {0x82, 0x04, 0x00});
    MacroRig rig(areaOf({{"Edge", press}}));
    ASSERT_EQ(rig.model.macros.total, 258);
    EXPECT_EQ(addToMouse(rig.workspace, recordOf("Fill", bodyOfLength(238))).refusal,
              Refusal::AreaFull);
    ASSERT_TRUE(addToMouse(rig.workspace, recordOf("Fill", bodyOfLength(237))).ok());
    EXPECT_EQ(rig.mouseArea()[255], 0xFC);
    EXPECT_EQ(rig.model.macros.total, 512);
}

TEST(AddToMouse, ABodyWithoutEndIsRefused) {
    MacroRig rig;
    EXPECT_EQ(addToMouse(rig.workspace, recordOf("Loop", Bytes(256, 0xA1))).refusal,
              Refusal::Unended);
    EXPECT_TRUE(rig.blockWrites().empty());
}

TEST(DeleteFromMouse, TheLaterMacrosMoveUpAndTheirButtonsFollowInEveryProfile) {
    MacroRig rig(areaOf({{"One", kJump}, {"Two", {0xA1, 0x21, 0x00}}, {"Three", {0x00}}}));
    const auto& entries = rig.model.macros.entries;
    const std::uint16_t two = entries[1].address;
    const std::uint16_t three = entries[2].address;
    // Buttons on each macro, in each of the three profiles, written to the mouse first.
    buttons::setProfileKeyCode(rig.model, {0, 3}, macroKeyCode(entries[0].address));
    buttons::setProfileKeyCode(rig.model, {1, 4}, macroKeyCode(two));
    buttons::setProfileKeyCode(rig.model, {2, 5}, macroKeyCode(three));
    buttons::setProfileKeyCode(rig.model, {2, 6}, macroKeyCode(entries[0].address));
    ASSERT_TRUE(writeDeviceMacros(rig.workspace).ok());

    const MacroOutcome deleted = deleteFromMouse(rig.workspace, 0);
    ASSERT_TRUE(deleted.ok());
    EXPECT_EQ(deleted.index, 0u);
    EXPECT_EQ(rig.deviceNames(), (std::vector<std::string>{"Two", "Three"}));
    EXPECT_EQ(rig.mouseArea(), areaOf({{"Two", {0xA1, 0x21, 0x00}}, {"Three", {0x00}}}));
    EXPECT_EQ(entries[0].address, 0x200);
    EXPECT_EQ(entries[1].address, 0x200 + 19);
    EXPECT_EQ(rig.mouseKey(1, 4), macroKeyCode(0x200));
    EXPECT_EQ(rig.mouseKey(2, 5), macroKeyCode(0x200 + 19));
    EXPECT_EQ(rig.mouseKey(0, 3), (image::KeyCode{0, 0, 0, 0}));
    EXPECT_EQ(rig.mouseKey(2, 6), (image::KeyCode{0, 0, 0, 0}));
    EXPECT_EQ(rig.model.codeTexts[12 + 4], "10020000");
    EXPECT_NE(two, 0x200);
}

TEST(DeleteFromMouse, SelectsTheMacroBeforeAndNothingWhenNoneIsLeft) {
    MacroRig rig(areaOf({{"One", {0x00}}, {"Two", {0x00}}, {"Three", {0x00}}}));
    EXPECT_EQ(deleteFromMouse(rig.workspace, 2).index, 1u);
    EXPECT_EQ(deleteFromMouse(rig.workspace, 0).index, 0u);
    const MacroOutcome last = deleteFromMouse(rig.workspace, 0);
    EXPECT_TRUE(last.ok());
    EXPECT_FALSE(last.index);
    EXPECT_EQ(rig.mouseArea(), MacroArea{});
    EXPECT_EQ(deleteFromMouse(rig.workspace, 0).refusal, Refusal::NotFound);
}

TEST(DeviceTables, EveryImageReplacementAndTheBaseMacroImportParseAgain) {
    MacroRig rig;
    EXPECT_TRUE(rig.deviceNames().empty());
    image::Image eeprom = rig.mouse.eeprom();
    const MacroArea area = areaOf({{"Read", {0x00}}});
    std::copy(area.begin(), area.end(), eeprom.begin() + 496);
    rig.mouse.loadEeprom(eeprom);
    ASSERT_TRUE(rig.session.readWholeImage().ok());
    EXPECT_EQ(rig.deviceNames(), std::vector<std::string>{"Read"});
    EXPECT_EQ(rig.recorder.count(ChangeKind::Macros), 1);

    const MacroArea imported = areaOf({{"Imp", {0xA1, 0x00}}, {"Two", {0x00}}});
    const auto file = rig.temp.write("base.bin", imported);
    ASSERT_TRUE(device::session::importBaseMacros(rig.workspace, file).ok());
    EXPECT_EQ(rig.deviceNames(), (std::vector<std::string>{"Imp", "Two"}));
    EXPECT_EQ(deviceAreaExport(rig.model.macros), imported);
}

// Faults during the device macro write: the result names the step that failed, and the tables
// and key codes show what the mouse holds (read back), never the intended state.
TEST(DeviceMacroWrite, AFaultNamesItsStepAndTheTablesShowWhatTheMouseHolds) {
    struct Fault {
        const char* what;
        void (*arm)(sim::VirtualMouse&);
        Step step;
    };
    // The key tables take 21 data reports, each half 37.
    const Fault faults[] = {
        {"refused data report 1", [](sim::VirtualMouse& m) { m.refuseDataFrom(1); },
         Step::WriteProfiles},
        {"one report of the second half",
         [](sim::VirtualMouse& m) { m.refuseOneData(21 + 37 + 5); }, Step::WriteMacroSecondHalf},
        {"gone in the first half", [](sim::VirtualMouse& m) { m.vanishAfter(1 + 21 + 1 + 10); },
         Step::WriteMacroFirstHalf},
    };
    for (const Fault& fault : faults) {
        MacroRig rig(areaOf({{"Old", {0x00}}}));
        fault.arm(rig.mouse);
        const MacroOutcome added = addToMouse(rig.workspace, recordOf("New", kJump));
        EXPECT_FALSE(added.ok()) << fault.what;
        EXPECT_EQ(added.result.step, fault.step) << fault.what;
        if (rig.mouse.present()) {
            EXPECT_EQ(rig.model.copies.macroArea, rig.mouseArea()) << fault.what;
        } else {
            // Gone: what was last known, until the mouse is back and read again.
            EXPECT_EQ(rig.deviceNames(), std::vector<std::string>{"Old"}) << fault.what;
            rig.mouse.clearFaults();
            rig.mouse.plugIn();
            ASSERT_TRUE(rig.session.searchForMouse().ok());
            EXPECT_EQ(rig.model.copies.macroArea, rig.mouseArea()) << fault.what;
        }
        EXPECT_EQ(rig.model.macros, parseMacroArea(rig.model.copies.macroArea)) << fault.what;
        EXPECT_TRUE(rig.session.pollEnabled());
    }
}

}  // namespace
}  // namespace gm::macros
