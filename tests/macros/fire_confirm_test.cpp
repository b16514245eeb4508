// The gun-preset confirmation on the virtual mouse: the code where it belongs, the write
// sequence in order, and a refusal in each step stopping it with what the mouse holds shown.
#include <gtest/gtest.h>

#include "buttons/key_tables.h"
#include "device/session/session_rig.h"
#include "device/wire.h"
#include "macros/fire_confirm.h"
#include "macros/fire_stages.h"

namespace gm::macros {
namespace {

using device::Failure;
using device::Step;
using Bytes = std::vector<std::uint8_t>;

constexpr buttons::KeyRef kProfile2Key3{1, 2};

image::settings::ProgramSettings gunSettings() {
    image::settings::ProgramSettings settings;
    settings.gun6Count = 2;
    settings.gun7Count = 3;
    return settings;
}

struct ConfirmRig : device::session::testing::SessionRig {
    explicit ConfirmRig(image::ChipType chip = image::ChipType::Chip4210A,
                        const std::function<void(image::Image&)>& prepare = {})
        : SessionRig(chip) {
        if (prepare) {
            image::Image eeprom = mouse.eeprom();
            prepare(eeprom);
            mouse.loadEeprom(eeprom);
        }
        connect();
    }
    GunConfirmation confirm(int preset, buttons::KeyRef key, bool keepLeft = false) {
        return confirmGunPreset(workspace, state, gunSettings(), {preset, keepLeft, key});
    }
    // The write commands (block and live writes) the mouse saw, as command byte and address.
    std::vector<std::pair<int, int>> writes() const {
        std::vector<std::pair<int, int>> seen;
        for (const Bytes& report : gm::testing::commandReports(mouse)) {
            if (report[1] == device::command::kBlockWrite)
                seen.emplace_back(report[1], report[2] << 8 | report[3]);
            else if (report[1] == device::command::kLiveWrite)
                seen.emplace_back(report[1], report[3]);
        }
        return seen;
    }
    Bytes held(std::size_t offset, std::size_t length) const {
        const image::Image eeprom = mouse.eeprom();
        return Bytes(eeprom.begin() + static_cast<std::ptrdiff_t>(offset),
                     eeprom.begin() + static_cast<std::ptrdiff_t>(offset + length));
    }
    buttons::ButtonState state;
};

TEST(GunConfirm, SecondProfileStoresTheCodeAndWritesTheSequenceInOrder) {
    ConfirmRig rig;
    FireStage stage = readStage(rig.model, 5);
    setStageField(rig.model, stage, StageField::XOffset, -5);
    const GunConfirmation done = rig.confirm(6, kProfile2Key3, true);
    ASSERT_TRUE(done.written.ok()) << device::messageOf(done.written).text;
    EXPECT_TRUE(done.stored);
    EXPECT_EQ(done.code, (image::KeyCode{0x0B, 0x15, 0x02, 0x00}));

    std::vector<std::pair<int, int>> expected;
    for (int colour = 0; colour < 10; ++colour)
        expected.emplace_back(0x05, 57 + 3 * colour);
    expected.insert(
        expected.end(),
        {{0x07, 164}, {0x07, 192}, {0x07, 484}, {0x07, 1808}, {0x05, 164}, {0x05, 164}});
    EXPECT_EQ(rig.writes(), expected);
    const auto rearm = rig.commands(device::command::kLiveWrite);
    EXPECT_EQ(rearm[rearm.size() - 2][4], 0x0F);
    EXPECT_EQ(rig.held(241 + 2 * 4, 4), (Bytes{0x0B, 0x15, 0x02, 0x00}));
    EXPECT_EQ(rig.held(164 + 7 + 5, 1), Bytes{0xFB});
}

TEST(GunConfirm, OtherProfilesChangeOnlyTheLabel) {
    ConfirmRig rig;
    const buttons::KeyRef profile1Key3{0, 2};
    const image::KeyCode before = buttons::profileKeyCode(rig.model, profile1Key3);
    const GunConfirmation done = rig.confirm(1, profile1Key3);
    ASSERT_TRUE(done.written.ok());
    EXPECT_FALSE(done.stored);
    EXPECT_EQ(done.code, (image::KeyCode{0x0B, 0x00, 0x01, 0x00}));
    EXPECT_EQ(buttons::profileKeyCode(rig.model, profile1Key3), before);
    EXPECT_EQ(rig.held(192 + 2 * 4, 4), Bytes(before.begin(), before.end()));
}

TEST(GunConfirm, The4230ATailKeepsItsLastBytes) {
    ConfirmRig rig(image::ChipType::Chip4230A, [](image::Image& eeprom) {
        std::fill(eeprom.begin() + 2016, eeprom.end(), 0x77);
    });
    rig.model.copies.fireMacroRecords[9] = Bytes(32, 0x00);
    rig.model.copies.fireMacroRecords[9][0] = 0xA1;
    ASSERT_TRUE(rig.confirm(7, kProfile2Key3).written.ok());
    EXPECT_EQ(rig.held(1536 + 160 + 9 * 32, 2), (Bytes{0xA1, 0x00}));
    EXPECT_EQ(rig.held(2016, 32), Bytes(32, 0x77));
}

TEST(GunConfirm, ARefusedReportStopsTheSequenceAtItsStep) {
    struct Case {
        Step step;
        int refusedData;  // the data report refused, counted from the first one of the sequence
        std::vector<Step> completed;
    };
    const std::vector<Case> cases{
        {Step::WriteUser, 1, {Step::WriteLedColours}},
        {Step::WriteProfiles, 4 + 3, {Step::WriteLedColours, Step::WriteUser}},
        {Step::WriteFireKeys,
         4 + 21 + 2,
         {Step::WriteLedColours, Step::WriteUser, Step::WriteProfiles}},
        {Step::WriteFireMacros,
         4 + 21 + 2 + 30,
         {Step::WriteLedColours, Step::WriteUser, Step::WriteProfiles, Step::WriteFireKeys}},
        {Step::ReadUser,
         4 + 21 + 2 + 35 + 2,
         {Step::WriteLedColours, Step::WriteUser, Step::WriteProfiles, Step::WriteFireKeys,
          Step::WriteFireMacros}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(device::stepText(c.step)));
        ConfirmRig rig;
        rig.model.copies.fireMacroRecords[0][0] = 0xA1;  // a change for the tail to carry
        rig.mouse.refuseOneData(c.refusedData);
        const GunConfirmation done = rig.confirm(2, kProfile2Key3);
        EXPECT_EQ(done.written.failure, Failure::TransferIncomplete);
        EXPECT_EQ(done.written.step, c.step);
        EXPECT_EQ(done.written.completed, c.completed);
        // No write of a later step, and no re-arm.
        const auto writes = rig.writes();
        // The refused step's own write was sent; a failed re-read follows the last write.
        EXPECT_EQ(writes.size(), 10 + c.completed.size() - (c.step == Step::ReadUser ? 1 : 0));
        // The working copies show what the mouse holds.
        EXPECT_EQ(Bytes(rig.model.copies.profiles.begin(), rig.model.copies.profiles.end()),
                  rig.held(192, 147));
        EXPECT_EQ(rig.model.copies.fireMacroRecords[0], rig.held(1808, 24));
        EXPECT_EQ(done.stored, rig.held(241 + 2 * 4, 1) == Bytes{0x0B});
    }
}

TEST(GunConfirm, ARefusedColourWriteSendsNothingElse) {
    ConfirmRig rig;
    rig.mouse.refuseCommands(true);
    const GunConfirmation done = rig.confirm(2, kProfile2Key3);
    rig.mouse.refuseCommands(false);
    EXPECT_EQ(done.written.failure, Failure::CommandRefused);
    EXPECT_EQ(done.written.step, Step::WriteLedColours);
    EXPECT_TRUE(done.written.completed.empty());
    EXPECT_FALSE(done.stored);
    EXPECT_EQ(buttons::profileKeyCode(rig.model, kProfile2Key3)[0], rig.held(241 + 8, 1)[0]);
}

}  // namespace
}  // namespace gm::macros
