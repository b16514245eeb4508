// Fire macro records: length, events both ways with the fire items only, the record bound, names;
// the gun presets' stage fields read item by item, clamped and patched into the record.
#include <gtest/gtest.h>

#include "buttons/gun_presets.h"
#include "image/image_model.h"
#include "macros/fire_records.h"
#include "macros/fire_stages.h"
#include "macros/macro_name.h"

namespace gm::macros {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = MacroEvent::Kind;

Bytes padded(Bytes bytes, std::size_t size = 24) {
    bytes.resize(size, 0x00);
    return bytes;
}

image::ImageModel modelOf(image::ChipType chip) {
    image::ImageModel model;
    model.setChip(chip);
    return model;
}

TEST(FireRecords, LengthAndEvents) {
    struct Case {
        const char* what;
        Bytes record;
        std::size_t length;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {"empty record", padded({0x00, 0x00, 0x00}), 1, {}},
        {"burst with repeat",
         padded({0xFD, 0x05, 0xA1, 0x04, 0x02, 0xFE, 0xFE, 0x00, 0x32, 0x21, 0xFC, 0x00}),
         12,
         {"repeat 5", "left down", "move 2 -2", "50 ms", "left up", "repeat end"}},
        // A three-zero scan would end this record at the movement's zeros.
        {"move 0 0 before the end",
         padded({0xA1, 0x04, 0x00, 0x00, 0x00}),
         5,
         {"left down", "move 0 0"}},
        {"other items stepped over", padded({0xA2, 0x82, 0x04, 0xA1, 0x00}), 5, {"left down"}},
        {"no terminator", Bytes(24, 0xA1), 0, std::vector<std::string>(24, "left down")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fireRecordLength(c.record), c.length);
        std::vector<std::string> lines;
        for (const MacroEvent& event : fireEventsOf(c.record))
            lines.push_back(describeEvent(event));
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(FireRecords, EncodesRepeatStartAsFdNAndRoundTrips) {
    const std::vector<MacroEvent> events{{Kind::RepeatStart, false, 5}, {Kind::Button, true, 1},
                                         {Kind::Move, false, 0, -3, 7}, {Kind::Delay, false, 300},
                                         {Kind::Button, false, 1},      {Kind::RepeatEnd}};
    const FireEncoding encoded = encodeFireRecord(events, 24);
    ASSERT_TRUE(encoded.ok()) << encoded.refusal;
    EXPECT_EQ(encoded.record,
              padded({0xFD, 0x05, 0xA1, 0x04, 0xFD, 0x07, 0xFE, 0x01, 0x2C, 0x21, 0xFC, 0x00}));
    const std::vector<MacroEvent> back = fireEventsOf(encoded.record);
    ASSERT_EQ(back.size(), events.size());
    EXPECT_EQ(back[2].x, -3);
    EXPECT_EQ(back[3].value, 300);
}

TEST(FireRecords, RefusesWhatDoesNotFitOrIsNoFireItem) {
    // 8 delays take 24 bytes: with the terminator one too many for a 4210A record.
    const std::vector<MacroEvent> delays(8, MacroEvent{Kind::Delay, false, 50});
    EXPECT_EQ(fireBodySize(delays), 25u);
    const FireEncoding tooLong = encodeFireRecord(delays, 24);
    EXPECT_FALSE(tooLong.ok());
    EXPECT_NE(tooLong.refusal.find("25 bytes"), std::string::npos) << tooLong.refusal;
    EXPECT_TRUE(encodeFireRecord(delays, 32).ok());
    const std::vector<MacroEvent> fitting(delays.begin(), delays.end() - 1);
    ASSERT_TRUE(encodeFireRecord(fitting, 24).ok());

    const FireEncoding key = encodeFireRecord(std::vector<MacroEvent>{{Kind::Key, true, 4}}, 24);
    EXPECT_FALSE(key.ok());
    const FireEncoding right =
        encodeFireRecord(std::vector<MacroEvent>{{Kind::Button, true, 2}}, 24);
    EXPECT_FALSE(right.ok());
}

TEST(FireRecords, ATooLongRecordLeavesTheNextRecordAndTailUntouched) {
    image::ImageModel model = modelOf(image::ChipType::Chip4210A);
    model.copies.fireMacroRecords[3] = padded({0xA1, 0x21, 0x00});
    image::placeFireMacros(model);
    const std::vector<std::uint8_t> tailBefore = model.copies.tail;
    const std::vector<MacroEvent> delays(8, MacroEvent{Kind::Delay, false, 50});
    const FireEncoding refused = encodeFireRecord(delays, model.geometry.recordSize);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.record.empty());
    image::placeFireMacros(model);
    EXPECT_EQ(model.copies.tail, tailBefore);
}

TEST(FireRecords, The4230ATailKeepsItsNamesAndLastBytesOnWrite) {
    image::ImageModel model = modelOf(image::ChipType::Chip4230A);
    std::fill(model.copies.tail.begin(), model.copies.tail.end(), 0x5C);
    image::cutFireMacros(model);
    model.copies.fireMacroRecords[9] = padded({0xA1, 0x00}, 32);
    ASSERT_EQ(renameFireMacro(model, 0, "AK"), "");
    image::placeFireMacros(model);
    const auto& tail = model.copies.tail;
    const image::MacroName name = encodeMacroName("AK");
    EXPECT_EQ(Bytes(tail.begin(), tail.begin() + 16), Bytes(name.begin(), name.end()));
    EXPECT_EQ(tail[160 + 9 * 32], 0xA1);
    EXPECT_EQ(tail[160 + 9 * 32 + 1], 0x00);
    EXPECT_TRUE(std::all_of(tail.begin() + 480, tail.end(), [](auto b) { return b == 0x5C; }));
    EXPECT_EQ(fireMacroName(model, 0), "AK");
}

TEST(FireRecords, NamesAndRenameByChip) {
    image::ImageModel small = modelOf(image::ChipType::Chip4210A);
    EXPECT_EQ(fireMacroName(small, 2), "Fire Macro3");
    EXPECT_NE(renameFireMacro(small, 2, "X"), "");
    image::ImageModel large = modelOf(image::ChipType::Chip4230A);
    EXPECT_EQ(fireMacroName(large, 9), "Fire Macro10");  // an empty name slot
    EXPECT_NE(renameFireMacro(large, 0, ""), "");
}

TEST(FireStages, ReadsTheFirstItemsAndTheOffsets) {
    image::ImageModel model = modelOf(image::ChipType::Chip4210A);
    // The delay 0x00FD must not be read as a repeat start; the first delay before the
    // movement is not the stage's delay.
    model.copies.fireMacroRecords[5] = padded(
        {0xFE, 0x00, 0xFD, 0xFD, 0x09, 0xA1, 0x04, 0x88, 0x05, 0xFE, 0x01, 0x00, 0x21, 0xFC, 0x00});
    model.copies.user[7 + 5] = 0xF6;   // X offset -10
    model.copies.user[17 + 5] = 0x03;  // Y offset 3
    const FireStage stage = readStage(model, 5);
    EXPECT_EQ(stage.at.count, 4u);
    EXPECT_EQ(stage.at.move, 6u);
    EXPECT_EQ(stage.at.delay, 9u);
    EXPECT_EQ(stage.values.count, 9);
    EXPECT_EQ(stage.values.x, -120);
    EXPECT_EQ(stage.values.y, 5);
    EXPECT_EQ(stage.values.delay, 256);
    EXPECT_EQ(stage.values.xOffset, -10);
    EXPECT_EQ(stage.values.yOffset, 3);
}

TEST(FireStages, ClampsFieldsAndPairs) {
    StageValues values;
    values.xOffset = 20;
    values.y = -100;
    struct Case {
        StageField field;
        int asked;
        int kept;
    };
    for (const Case& c : std::vector<Case>{{StageField::X, 120, 107},
                                           {StageField::X, -200, -128},
                                           {StageField::YOffset, -50, -28},
                                           {StageField::Count, 300, 255},
                                           {StageField::Count, -1, 0},
                                           {StageField::Delay, 70000, 65535}}) {
        EXPECT_EQ(clampStageField(c.field, c.asked, values), c.kept) << c.asked;
    }
}

TEST(FireStages, EditsPatchTheRememberedBytesOnly) {
    image::ImageModel model = modelOf(image::ChipType::Chip4210A);
    const Bytes noRepeat = padded({0xA1, 0x04, 0x01, 0x02, 0xFE, 0x00, 0x32, 0x21, 0x00});
    model.copies.fireMacroRecords[0] = noRepeat;
    FireStage stage = readStage(model, 0);
    EXPECT_EQ(stage.values.count, 0);
    EXPECT_EQ(setStageField(model, stage, StageField::Count, 7), 7);
    EXPECT_EQ(model.copies.fireMacroRecords[0], noRepeat);

    EXPECT_EQ(setStageField(model, stage, StageField::X, -1), -1);
    EXPECT_EQ(setStageField(model, stage, StageField::Delay, 0x1234), 0x1234);
    EXPECT_EQ(setStageField(model, stage, StageField::YOffset, -2), -2);
    EXPECT_EQ(model.copies.fireMacroRecords[0],
              padded({0xA1, 0x04, 0xFF, 0x02, 0xFE, 0x12, 0x34, 0x21, 0x00}));
    EXPECT_EQ(model.copies.user[17], 0xFE);
}

TEST(GunPresets, CodesByPresetStagesAndKeepLeft) {
    image::settings::ProgramSettings settings;
    settings.gun6Count = 1;
    settings.gun7Count = 3;
    const auto code6 = [&](bool keepLeft) {
        return buttons::gunPresetCode(6, buttons::gunPresetStages(6, settings), keepLeft, 0);
    };
    EXPECT_EQ(code6(false), (image::KeyCode{0x0B, 0x05, 0x01, 0x00}));
    EXPECT_EQ(code6(true), (image::KeyCode{0x0B, 0x15, 0x01, 0x00}));
    settings.gun6Count = 2;
    EXPECT_EQ(code6(false), (image::KeyCode{0x0B, 0x05, 0x02, 0x00}));
    EXPECT_EQ(buttons::gunPresetCode(7, buttons::gunPresetStages(7, settings), true, 0x04),
              (image::KeyCode{0x0B, 0x17, 0x03, 0x04}));
    EXPECT_EQ(buttons::gunPresetStages(3, settings), 1);
}

}  // namespace
}  // namespace gm::macros
