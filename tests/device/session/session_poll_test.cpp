#include <gtest/gtest.h>

#include "image/factory_images.h"
#include "image/hex_text.h"
#include "session_rig.h"

namespace gm::device::session {
namespace {

using image::ChipType;
using testing::SessionRig;

constexpr int kMouseInterfaces = 3;

TEST(SessionPoll, TheFirstPollFindsIdentifiesAndReadsTheMouse) {
    SessionRig rig;
    rig.session.poll();
    EXPECT_TRUE(rig.session.hasDevice());
    EXPECT_EQ(rig.model.chip, ChipType::Chip4210A);
    EXPECT_EQ(rig.model.buffer, rig.mouse.eeprom());
    EXPECT_EQ(rig.session.lastDeviceCount(), kMouseInterfaces);
    EXPECT_TRUE(rig.session.pollEnabled());
    EXPECT_FALSE(rig.session.readBusy());
    EXPECT_FALSE(rig.guard().busy());
    EXPECT_EQ(rig.recorder.count(ChangeKind::ImageReplaced), 1);
    EXPECT_TRUE(rig.session.imageRead()) << "the overlays come down once the image is read";
    EXPECT_EQ(rig.session.currentLevel(), rig.mouse.currentLevel());
    EXPECT_EQ(rig.session.currentProfile(), rig.mouse.currentProfile());
}

TEST(SessionPoll, AnUnrelatedDevicePluggedInMakesTheSessionReadTheImageAgain) {
    SessionRig rig;
    rig.connect();
    image::Image changed = rig.mouse.eeprom();
    changed[300] ^= 0x55;
    rig.mouse.loadEeprom(changed);

    rig.bus.plugGeneric({});
    rig.session.poll();
    EXPECT_EQ(rig.commands(command::kBlockRead).size(), 1u);
    EXPECT_EQ(rig.model.buffer, changed);
    EXPECT_EQ(rig.session.lastDeviceCount(), kMouseInterfaces + 1);

    // A steady population reads nothing.
    rig.session.poll();
    EXPECT_EQ(rig.commands(command::kBlockRead).size(), 1u);
}

TEST(SessionPoll, UnpluggingAnyDeviceDropsTheSessionAndTheNextRiseReconnects) {
    SessionRig rig;
    const int keyboard = rig.bus.plugGeneric({});
    rig.connect();
    rig.bus.unplug(keyboard);
    rig.session.poll();
    EXPECT_FALSE(rig.session.hasDevice());
    EXPECT_FALSE(rig.model.chip.has_value());
    EXPECT_TRUE(rig.session.errorPage());
    EXPECT_TRUE(rig.presenter.saw("Str100"));
    EXPECT_EQ(rig.recorder.count(ChangeKind::Disconnected), 1);
    EXPECT_FALSE(rig.session.imageRead());
    EXPECT_FALSE(rig.session.currentLevel().has_value());

    rig.bus.plugGeneric({});
    rig.session.poll();
    EXPECT_TRUE(rig.session.hasDevice());
    EXPECT_EQ(rig.model.chip, ChipType::Chip4210A);
    EXPECT_FALSE(rig.session.errorPage()) << "the page buttons must work again after the read";
}

TEST(SessionPoll, FewerThanTwoStableRoundsChangeNothing) {
    SessionRig rig;
    rig.connect();
    // Five rounds of two counts; only the third agrees with itself.
    rig.backend.script = {4, 5, 4, 5, 4, 4, 5, 4, 4, 5};
    rig.session.poll();
    EXPECT_EQ(rig.session.lastDeviceCount(), kMouseInterfaces);
    EXPECT_TRUE(rig.commands(command::kBlockRead).empty());

    // Two stable rounds are enough; the count is the first of the last round.
    rig.backend.script = {4, 5, 4, 4, 5, 4, 4, 5, 4, 4};
    rig.session.poll();
    EXPECT_EQ(rig.session.lastDeviceCount(), 4);
    EXPECT_EQ(rig.commands(command::kBlockRead).size(), 1u);
}

TEST(SessionPoll, DoesNothingWhileDisabledOrAlreadyRunning) {
    SessionRig rig;
    rig.session.setPollEnabled(false);
    rig.session.poll();
    EXPECT_FALSE(rig.session.hasDevice());

    // A timer tick delivered while the settle wait pumps events must not start a second poll.
    rig.session.setPollEnabled(true);
    int nested = 0;
    rig.presenter.onPump = [&] {
        if (rig.guard().busy()) {
            ++nested;
            rig.session.poll();
        }
    };
    rig.timing.populationSettle = Micros{2'100'000};
    rig.session.poll();
    rig.presenter.onPump = nullptr;
    EXPECT_GT(nested, 0);
    EXPECT_EQ(rig.commands(command::kBlockRead).size(), 1u);
    EXPECT_TRUE(rig.session.hasDevice());
}

struct IdentifyCase {
    std::uint8_t byte0;
    ChipType chip;
};

void PrintTo(const IdentifyCase& identify, std::ostream* out) {
    *out << "byte 0 = 0x" << image::hexText(identify.byte0, 2) << " -> "
         << image::chipText(identify.chip);
}

class SessionIdentify : public ::testing::TestWithParam<IdentifyCase> {};

TEST_P(SessionIdentify, ByteZeroSelectsTheChipAndItsGeometry) {
    SessionRig rig;
    rig.mouse.setIdentifyByte0(GetParam().byte0);
    rig.session.poll();
    EXPECT_EQ(rig.model.chip, GetParam().chip);
    EXPECT_EQ(rig.model.geometry.tailOffset, image::geometryOf(GetParam().chip).tailOffset);
    EXPECT_EQ(rig.model.copies.patchCode.size(), image::geometryOf(GetParam().chip).patchLength);
}

INSTANTIATE_TEST_SUITE_P(Bytes, SessionIdentify,
                         ::testing::Values(IdentifyCase{0x40, ChipType::Chip4210A},
                                           IdentifyCase{0xFF, ChipType::Chip4210A},
                                           IdentifyCase{0x3F, ChipType::Chip4230A},
                                           IdentifyCase{0x00, ChipType::Chip4230A}),
                         [](const ::testing::TestParamInfo<IdentifyCase>& param) {
                             return "Byte0x" + image::hexText(param.param.byte0, 2);
                         });

TEST(SessionIdentify, AWrongAnswerShowsTheFileTypeErrorWithTheAnswerAndTheErrorPageWithoutReading) {
    SessionRig rig;
    rig.mouse.setBadIdentify(true);
    rig.session.poll();
    EXPECT_TRUE(rig.presenter.saw("RDXM421xData.bin file type error: while identifying the mouse"));
    EXPECT_TRUE(rig.session.errorPage());
    EXPECT_EQ(rig.recorder.count(ChangeKind::ErrorPage), 1);
    EXPECT_TRUE(rig.commands(command::kBlockRead).empty());
    EXPECT_FALSE(rig.model.chip.has_value());
}

TEST(SessionIdentify, ARefusedIdentifyStaysSilent) {
    SessionRig rig;
    rig.mouse.refuseCommands(true);
    rig.session.poll();
    EXPECT_TRUE(rig.presenter.messages.empty());
    EXPECT_FALSE(rig.session.errorPage());
    EXPECT_FALSE(rig.model.chip.has_value());
}

TEST(SessionSearch, AMouseThatMayNotBeOpenedIsExplainedNotAwaited) {
    SessionRig rig;
    rig.mouse.denyOpen("/dev/hidraw3: permission denied; install the udev rule");
    rig.session.poll();
    EXPECT_FALSE(rig.session.hasDevice());
    EXPECT_TRUE(rig.presenter.saw("install the udev rule"));
    EXPECT_FALSE(rig.presenter.saw("Str100"));
}

TEST(SessionRestart, ReadsTheImageBackAndPollsAgain) {
    SessionRig rig;
    rig.connect();
    const Micros sleptBefore = rig.clock.totalSlept();
    EXPECT_TRUE(rig.session.restartAndReconnect().ok());
    EXPECT_EQ(rig.mouse.restartCount(), 1);
    EXPECT_EQ(rig.commands(command::kBlockRead).size(), 1u);
    EXPECT_TRUE(rig.session.hasDevice());
    EXPECT_TRUE(rig.session.pollEnabled());
    EXPECT_GE(rig.clock.totalSlept() - sleptBefore, rig.timing.restartSettle);
}

TEST(SessionRestart, AMouseThatDoesNotComeBackLeavesPollingOff) {
    SessionRig rig;
    rig.connect();
    rig.mouse.setRestartDelay(Micros{60'000'000});
    const Result result = rig.session.restartAndReconnect();
    EXPECT_EQ(result.failure, Failure::NotBack);
    EXPECT_EQ(result.step, Step::Restart);
    EXPECT_FALSE(rig.session.hasDevice());
    EXPECT_FALSE(rig.session.pollEnabled());
    EXPECT_TRUE(rig.presenter.saw("Str100"));
}

TEST(SessionRestart, AMouseFoundAgainIsPolledEvenWhenItsReadBackLostAReport) {
    SessionRig rig;
    rig.connect();
    // Once the mouse is back, data report 1 is the open's probe, 2 the identify answer and 3
    // the first of the image read.
    rig.mouse.refuseDataFrom(3);
    rig.mouse.setRestartDelay(Micros{0});
    const Result result = rig.session.restartAndReconnect();
    EXPECT_EQ(result.failure, Failure::TransferIncomplete);
    EXPECT_EQ(result.step, Step::ReadBack);
    EXPECT_TRUE(rig.session.hasDevice());
    EXPECT_TRUE(rig.session.pollEnabled()) << "a later unplug must still be noticed";
}

TEST(SessionPoll, WaitsTheSettleTimeBeforeTheFirstIdentify) {
    SessionRig rig;
    rig.timing.populationSettle = Micros{2'100'000};
    Micros identifiedAt{-1};
    rig.workspace.changes().subscribe([&](const Change& change) {
        if (change.kind == ChangeKind::Connected)
            identifiedAt = rig.clock.now();
    });
    const Micros start = rig.clock.now();
    rig.session.poll();
    ASSERT_TRUE(rig.session.hasDevice());
    EXPECT_GE(identifiedAt - start, Micros{2'100'000});
}

TEST(SessionPoll, IsRefusedWhileAnotherOperationRuns) {
    SessionRig rig;
    rig.connect();
    rig.bus.plugGeneric({});
    // A poll tick delivered during a live write's pumped wait does nothing.
    rig.timing.afterLiveWrite = Micros{100'000};
    bool polled = false;
    rig.presenter.onPump = [&] {
        if (polled)
            return;
        polled = true;
        rig.session.poll();
    };
    ASSERT_TRUE(rig.protocol.liveWrite(170, 0, 0, 0, 1).ok());
    rig.presenter.onPump = nullptr;
    EXPECT_TRUE(polled);
    EXPECT_EQ(rig.session.lastDeviceCount(), kMouseInterfaces) << "the poll must not have run";
    EXPECT_TRUE(rig.commands(command::kBlockRead).empty());
}

}  // namespace
}  // namespace gm::device::session

namespace gm::device::session {
namespace {

TEST(SessionPermission, AMouseThatMayBeOpenedLaterIsFoundWithoutAReplug) {
    testing::SessionRig rig;
    rig.mouse.denyOpen("/dev/hidraw3: permission denied; install the udev rule");
    rig.session.poll();
    EXPECT_FALSE(rig.session.hasDevice());
    EXPECT_TRUE(rig.session.permissionDenied());
    // Polls while access is still refused look again but tell the user only once.
    rig.session.poll();
    rig.session.poll();
    EXPECT_EQ(rig.presenter.messages.size(), 1u);

    rig.mouse.denyOpen("");  // the rule was installed; the population did not change
    rig.session.poll();
    EXPECT_TRUE(rig.session.hasDevice());
    EXPECT_FALSE(rig.session.permissionDenied());
    EXPECT_EQ(rig.model.buffer, rig.mouse.eeprom());
}

TEST(SessionLostLink, AQuickReplugWithinOnePollIntervalStartsTheSessionOver) {
    testing::SessionRig rig;
    rig.connect();
    rig.mouse.unplug();
    rig.mouse.plugIn();  // the count is the same again at the next poll
    std::uint8_t byte = 0;
    EXPECT_FALSE(rig.protocol.liveRead(0, 0x16, std::span(&byte, 1)).ok());
    ASSERT_TRUE(rig.transport.linkLost());

    rig.session.poll();
    EXPECT_EQ(rig.recorder.count(ChangeKind::Disconnected), 1);
    EXPECT_TRUE(rig.session.hasDevice()) << "the mouse was searched for again";
    EXPECT_FALSE(rig.transport.linkLost());
    EXPECT_EQ(rig.commands(command::kBlockRead).size(), 1u);
    EXPECT_TRUE(rig.protocol.liveRead(0, 0x16, std::span(&byte, 1)).ok());
}

}  // namespace
}  // namespace gm::device::session
