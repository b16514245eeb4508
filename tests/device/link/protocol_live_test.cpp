// Live writes and reads (0x05, 0x06): report layout, 8-bit address wrap, staging, the pause
// after a live write and failures.

#include <algorithm>
#include <array>
#include <numeric>

#include "protocol_test_fixture.h"

namespace gm::device::test {
namespace {

using LiveTransfer = ProtocolTest;

Bytes countingBytes(std::size_t n) {
    Bytes bytes(n);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

TEST_F(LiveTransfer, RangeAddressWrapsAtTwoHundredFiftySix) {
    ASSERT_TRUE(protocol.liveWriteRange(254, Bytes{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5}));
    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x05, 0x00, 254, 0xA0, 0xA1, 0xA2, 3},
                                              {0x40, 0x05, 0x00, 1, 0xA3, 0xA4, 0xA5, 3}}));
    const image::Image eeprom = mouse.eeprom();
    EXPECT_EQ(eeprom[1], 0xA3);
    EXPECT_EQ(eeprom[3], 0xA5);
}

TEST_F(LiveTransfer, VendorSectionTakesFiftyFiveReportsTheLastWithCountTwo) {
    const Bytes vendor = countingBytes(164);
    ASSERT_TRUE(protocol.liveWriteRange(0, vendor));

    const std::vector<Bytes> sent = commands();
    ASSERT_EQ(sent.size(), 55u);
    EXPECT_EQ(sent[1], (Bytes{0x40, 0x05, 0x00, 3, 4, 5, 6, 3}));
    // Bytes 162 and 163, then the staging buffer's leftover from the chunk before.
    EXPECT_EQ(sent.back(), (Bytes{0x40, 0x05, 0x00, 162, 163, 164, 162, 2}));
    const image::Image eeprom = mouse.eeprom();
    EXPECT_TRUE(std::equal(vendor.begin(), vendor.end(), eeprom.begin()));
    EXPECT_EQ(presenter.events.size(), 55u);
    EXPECT_EQ(presenter.events.back(), "show 54/55");
}

TEST_F(LiveTransfer, RangeShorterThanOneChunkIsPaddedWithFF) {
    ASSERT_TRUE(protocol.liveWriteRange(10, Bytes{0x33}));
    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x05, 0x00, 10, 0x33, 0xFF, 0xFF, 1}}));
}

TEST_F(LiveTransfer, RangeIgnoresRefusedChunksButCountsThem) {
    mouse.refuseCommands(true);
    const Result result = protocol.liveWriteRange(164, countingBytes(28));
    EXPECT_EQ(result.failure, Failure::TransferIncomplete);
    EXPECT_EQ(result.refused, 10);
    EXPECT_EQ(result.reports, 10);
    EXPECT_EQ(commands().size(), 10u) << "a refused chunk does not stop the run";
}

TEST_F(LiveTransfer, RangeWithoutCommandChannelSendsNothing) {
    transport.invalidate();
    EXPECT_EQ(protocol.liveWriteRange(0, countingBytes(6)).failure, Failure::NoDevice);
    EXPECT_TRUE(seen().empty());
}

TEST_F(LiveTransfer, SingleWriteSendsOneFullReportBetweenShowAndHide) {
    ASSERT_TRUE(protocol.liveWrite(0x2C, 0x11, 0x22, 0x33, 2));
    EXPECT_EQ(seen(), (std::vector<Bytes>{{0x40, 0x05, 0x00, 0x2C, 0x11, 0x22, 0x33, 2}}));
    EXPECT_EQ(presenter.events, (std::vector<std::string>{"show 0/1", "hide", "pump"}));
    EXPECT_EQ(mouse.eeprom()[0x2C], 0x11);
    EXPECT_EQ(mouse.eeprom()[0x2D], 0x22);
}

TEST_F(LiveTransfer, KeyTestWriteCarriesFourBytesToTargetOne) {
    ASSERT_TRUE(protocol.liveWrite4(0x07, {0xDE, 0xAD, 0xBE, 0xEF}));
    EXPECT_EQ(seen(), (std::vector<Bytes>{{0x40, 0x05, 0x01, 0x07, 0xDE, 0xAD, 0xBE, 0xEF}}));
    EXPECT_EQ(mouse.keyStatusWrites(),
              (std::vector<sim::KeyStatusWrite>{{0x07, {0xDE, 0xAD, 0xBE, 0xEF}}}));
}

TEST_F(LiveTransfer, WriteWithCountOutsideOneToThreeIsRefusedWithoutSending) {
    EXPECT_EQ(protocol.liveWrite(0, 1, 2, 3, 0).failure, Failure::InvalidRequest);
    EXPECT_EQ(protocol.liveWrite(0, 1, 2, 3, 4).failure, Failure::InvalidRequest);
    EXPECT_TRUE(seen().empty());
}

TEST_F(LiveTransfer, RefusedWriteReportsFailureAfterTheSameShowAndHide) {
    mouse.refuseCommands(true);
    EXPECT_EQ(protocol.liveWrite(0x10, 1, 0, 0, 1).failure, Failure::CommandRefused);
    EXPECT_EQ(presenter.events, (std::vector<std::string>{"show 0/1", "hide", "pump"}));
}

TEST_F(LiveTransfer, WriteWithoutDeviceShowsNothing) {
    transport.invalidate();
    EXPECT_EQ(protocol.liveWrite(0x10, 1, 0, 0, 1).failure, Failure::NoDevice);
    EXPECT_EQ(protocol.liveWrite4(0x10, {1, 2, 3, 4}).failure, Failure::NoDevice);
    EXPECT_TRUE(presenter.events.empty());
    EXPECT_TRUE(seen().empty());
}

TEST_F(LiveTransfer, ReadOfUserSectionComesInFourReports) {
    mouse.loadEeprom(patternedImage());
    std::array<std::uint8_t, 28> user{};
    ASSERT_TRUE(protocol.liveRead(0, 164, user));

    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x06, 0x00, 164, 0x00, 28, 0x00, 0x00}}));
    EXPECT_EQ(dataReports().size(), 4u);
    const image::Image eeprom = mouse.eeprom();
    EXPECT_TRUE(std::equal(user.begin(), user.end(), eeprom.begin() + 164));
}

TEST_F(LiveTransfer, ReadStaysInsideItsDestination) {
    mouse.loadEeprom(patternedImage());
    std::array<std::uint8_t, 4> buffer{0x5C, 0, 0, 0x5C};
    ASSERT_TRUE(protocol.liveRead(0, 0x16, std::span(buffer).subspan(1, 2)));
    EXPECT_EQ(buffer[1], mouse.eeprom()[0x16]);
    EXPECT_EQ(buffer[2], mouse.eeprom()[0x17]);
    EXPECT_EQ(buffer[3], 0x5C);
}

TEST_F(LiveTransfer, ReadFailuresLeaveFF) {
    std::array<std::uint8_t, 9> destination{};
    mouse.refuseDataFrom(2);
    const Result incomplete = protocol.liveRead(0, 0, destination);
    EXPECT_EQ(incomplete.failure, Failure::TransferIncomplete);
    EXPECT_EQ(incomplete.refused, 1);
    EXPECT_EQ(incomplete.reports, 2);
    EXPECT_TRUE(std::all_of(destination.begin() + 7, destination.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));

    mouse.clearFaults();
    mouse.refuseCommands(true);
    destination.fill(0);
    EXPECT_EQ(protocol.liveRead(0, 0, destination).failure, Failure::CommandRefused);
    EXPECT_TRUE(std::ranges::all_of(destination, [](std::uint8_t b) { return b == 0xFF; }));

    std::array<std::uint8_t, 256> tooLong{};
    EXPECT_EQ(protocol.liveRead(0, 0, tooLong).failure, Failure::InvalidRequest)
        << "the count byte cannot say 256";
}

class LiveWritePacing : public ProtocolTest {
protected:
    LiveWritePacing() : ProtocolTest(Timing{}) {}
};

TEST_F(LiveWritePacing, WriteWaitsOnTheClockInPumpedSteps) {
    ASSERT_TRUE(protocol.liveWrite(0x10, 1, 0, 0, 1));
    EXPECT_EQ(clock.totalSlept(), timing.afterLiveWrite);
    const auto pumps = std::ranges::count(presenter.events, std::string("pump"));
    // One pump per step of the wait, one after hiding the window.
    EXPECT_EQ(pumps, timing.afterLiveWrite / timing.pumpStep + 1);
    EXPECT_EQ(presenter.events.front(), "show 0/1");
}

TEST_F(LiveWritePacing, RangeSendsBackToBack) {
    ASSERT_TRUE(protocol.liveWriteRange(0, countingBytes(30)));
    EXPECT_EQ(clock.totalSlept().count(), 0);
}

}  // namespace
}  // namespace gm::device::test
