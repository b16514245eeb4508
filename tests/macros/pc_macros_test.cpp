// The PC macro library: new, rename, delete, the exchange records, the playback option and
// how a body reads as lines.
#include "macros/pc_macros.h"

#include <gtest/gtest.h>

#include "device/session/session_rig.h"
#include "macro_rig.h"
#include "macros/macro_events.h"
#include "macros/playback_option.h"

namespace gm::macros {
namespace {

using testing::Bytes;
using testing::recordOf;

struct LibraryRig : device::session::testing::SessionRig {
    image::PcMacroStore& store = workspace.pcMacros();
    std::vector<std::string> names() const {
        std::vector<std::string> listed;
        for (std::size_t record : listedRecords(store))
            listed.push_back(decodeMacroName(store.records[record].name));
        return listed;
    }
};

TEST(PcMacros, NewRenameAndDeleteKeepTheListInRecordOrder) {
    LibraryRig rig;
    EXPECT_EQ(newPcMacro(rig.workspace, "Reload").index, 0u);
    EXPECT_EQ(newPcMacro(rig.workspace, "Jump").index, 1u);
    EXPECT_EQ(newPcMacro(rig.workspace, "宏一").index, 2u);
    EXPECT_EQ(rig.names(), (std::vector<std::string>{"Reload", "Jump", "宏一"}));
    ASSERT_TRUE(renamePcMacro(rig.workspace, 1, "Hop").ok());
    const MacroOutcome deleted = deletePcMacro(rig.workspace, 0);
    EXPECT_EQ(deleted.index, 0u);  // the first when the first went
    EXPECT_EQ(rig.names(), (std::vector<std::string>{"Hop", "宏一"}));
    EXPECT_EQ(deletePcMacro(rig.workspace, 1).index, 0u);
    EXPECT_FALSE(deletePcMacro(rig.workspace, 0).index);  // the list is empty
    EXPECT_TRUE(rig.names().empty());
    EXPECT_EQ(rig.recorder.count(device::session::ChangeKind::Macros), 7);
}

TEST(PcMacros, DuplicatesAreRefusedWithStr106EvenRenamingToTheSameName) {
    LibraryRig rig;
    newPcMacro(rig.workspace, "Reload");
    newPcMacro(rig.workspace, "Jump");
    const MacroOutcome again = newPcMacro(rig.workspace, "Jump");
    EXPECT_EQ(again.refusal, Refusal::Duplicate);
    EXPECT_EQ(messageOf(again).textId, "Str106");
    EXPECT_EQ(renamePcMacro(rig.workspace, 1, "Jump").refusal, Refusal::Duplicate);
    EXPECT_EQ(renamePcMacro(rig.workspace, 1, "Reload").refusal, Refusal::Duplicate);
    EXPECT_EQ(renamePcMacro(rig.workspace, 5, "Other").refusal, Refusal::NotFound);
    EXPECT_EQ(newPcMacro(rig.workspace, "").refusal, Refusal::BadName);
    EXPECT_EQ(rig.names(), (std::vector<std::string>{"Reload", "Jump"}));
}

TEST(PcMacros, AFullListTakesNoNewMacroUntilOneIsDeleted) {
    LibraryRig rig;
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(newPcMacro(rig.workspace, "M" + std::to_string(i)).ok());
    EXPECT_EQ(newPcMacro(rig.workspace, "Extra").refusal, Refusal::LibraryFull);
    ASSERT_TRUE(deletePcMacro(rig.workspace, 40).ok());
    EXPECT_EQ(newPcMacro(rig.workspace, "Extra").index, 99u);
    EXPECT_EQ(decodeMacroName(rig.store.records[40].name), "M41");
}

TEST(PcMacros, ANewMacroGoesAfterTheLastUsedRecordOfAListWithGaps) {
    LibraryRig rig;
    rig.store.records[0] = recordOf("A", {0x00});
    rig.store.records[5] = recordOf("B", {0x00});
    EXPECT_EQ(listedRecords(rig.store), (std::vector<std::size_t>{0, 5}));
    EXPECT_EQ(newPcMacro(rig.workspace, "C").index, 6u);
    rig.store.records[99] = recordOf("Z", {0x00});
    EXPECT_EQ(newPcMacro(rig.workspace, "D").index, 1u);
}

TEST(PcMacroExchange, ExportedThenImportedIsADuplicateAndShortFilesGiveWhatTheyHold) {
    LibraryRig rig;
    rig.store.records[0] = recordOf("Jump", {0x82, 0x2C, 0x02, 0x2C, 0x00});
    const Bytes exported = recordBytes(rig.store.records[0]);
    ASSERT_EQ(exported.size(), 272u);
    EXPECT_EQ(importOnePcMacro(rig.workspace, exported).refusal, Refusal::Duplicate);

    LibraryRig other;
    const Bytes shortFile(exported.begin(), exported.begin() + 19);
    const MacroOutcome imported = importOnePcMacro(other.workspace, shortFile);
    ASSERT_TRUE(imported.ok());
    EXPECT_EQ(other.store.records[0].body[2], 0x02);
    EXPECT_EQ(other.store.records[0].body[3], 0x00);  // past the file's end
    EXPECT_EQ(importOnePcMacro(other.workspace, Bytes(272, 0)).refusal, Refusal::NoRecord);
    EXPECT_EQ(importOnePcMacro(other.workspace, Bytes{}).refusal, Refusal::NoRecord);

    const Bytes all = storeBytes(rig.store);
    ASSERT_EQ(all.size(), image::kMacroFileSize);
    importAllPcMacros(other.workspace, Bytes(all.begin(), all.begin() + 300));
    EXPECT_EQ(other.store.records[0], rig.store.records[0]);
    EXPECT_EQ(other.store.records[1], image::PcMacroRecord{});
}

TEST(PlaybackOption, WrapsAPlainBodyOnceAndThenOnlyChangesTheCount) {
    image::MacroBody body{0x82, 0x04, 0x02, 0x04, 0x00};
    EXPECT_FALSE(playbackOptionOf(body));
    ASSERT_TRUE(setPlaybackOption(body, 5));
    EXPECT_EQ(body, (image::MacroBody{0xFD, 0x05, 0x82, 0x04, 0x02, 0x04, 0xFC, 0x00}));
    ASSERT_TRUE(setPlaybackOption(body, kUntilReleased));
    EXPECT_EQ(body, (image::MacroBody{0xFD, 0xFF, 0x82, 0x04, 0x02, 0x04, 0xFC, 0x00}));
    EXPECT_EQ(playbackOptionOf(body), kUntilReleased);
    EXPECT_FALSE(setPlaybackOption(body, 0));

    image::MacroBody full{};
    full.fill(0xA1);
    full[254] = 0x00;  // 255 bytes: no room for three more
    const image::MacroBody before = full;
    EXPECT_FALSE(setPlaybackOption(full, 3));
    EXPECT_EQ(full, before);
}

TEST(MacroEvents, ReadAsLinesWithSignedMovesAndBigEndianDelays) {
    const Bytes body{0x82, 0x04, 0xFE, 0x01, 0x2C, 0x02, 0x04, 0xA1, 0x21, 0x81, 0x03, 0x04,
                     0xFF, 0x80, 0x04, 0x05, 0xFD, 0xFD, 0x03, 0xFC, 0xB0, 0x00, 0xA1};
    std::vector<std::string> lines;
    for (const MacroEvent& event : eventsOf(body))
        lines.push_back(describeEvent(event));
    EXPECT_EQ(lines, (std::vector<std::string>{"A down", "300 ms", "A up", "left down", "left up",
                                               "Ctrl+Shift down", "move -1 -128", "move 5 -3",
                                               "repeat 3", "repeat end", "backward down"}));
    EXPECT_EQ(moveItem(-1, -128), (std::array<std::uint8_t, 3>{0x04, 0xFF, 0x80}));
    EXPECT_EQ(moveItem(200, -300), (std::array<std::uint8_t, 3>{0x04, 0x7F, 0x80}));
}

}  // namespace
}  // namespace gm::macros
