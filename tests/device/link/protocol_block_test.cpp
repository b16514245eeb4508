// Block reads and writes (0x09, 0x07): chunking, staging, destination bounds and failures.

#include <algorithm>
#include <array>

#include "protocol_test_fixture.h"

namespace gm::device::test {
namespace {

using BlockTransfer = ProtocolTest;

TEST_F(BlockTransfer, WriteOfEightBytesMovesTwoReportsTheSecondKeepingStagedBytes) {
    const Bytes source{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17};
    const image::Image before = mouse.eeprom();

    ASSERT_TRUE(protocol.writeBlock(0x0123, source));

    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x07, 0x01, 0x23, 0x00, 0x08, 0x00, 0x00}}));
    // The short last chunk carries one meaningful byte; the rest is the previous chunk's tail.
    EXPECT_EQ(dataReports(),
              (std::vector<Bytes>{{0x41, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16},
                                  {0x41, 0x17, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16}}));
    const image::Image after = mouse.eeprom();
    EXPECT_TRUE(std::equal(source.begin(), source.end(), after.begin() + 0x123));
    EXPECT_EQ(after[0x12B], before[0x12B]) << "the mouse must use only `length` bytes";
}

TEST_F(BlockTransfer, SingleShortChunkIsPaddedWithFF) {
    ASSERT_TRUE(protocol.writeBlock(0, Bytes{1, 2, 3}));
    EXPECT_EQ(dataReports(), (std::vector<Bytes>{{0x41, 1, 2, 3, 0xFF, 0xFF, 0xFF, 0xFF}}));
}

// The staging buffer is the transport's response buffer: a read leaves its last data report
// there, which must not leak into the padding of a later short write.
TEST_F(BlockTransfer, ShortWriteAfterAReadIsStillPaddedWithFF) {
    mouse.loadEeprom(patternedImage());
    std::array<std::uint8_t, 7> read{};
    ASSERT_TRUE(protocol.readBlock(0x40, read));
    ASSERT_NE(transport.response(), (Payload{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}))
        << "the read must leave its data in the response buffer for this test to mean anything";
    mouse.clearReports();

    ASSERT_TRUE(protocol.writeBlock(0x500, Bytes{0xB0, 0xB1, 0xB2}));

    EXPECT_EQ(dataReports(),
              (std::vector<Bytes>{{0x41, 0xB0, 0xB1, 0xB2, 0xFF, 0xFF, 0xFF, 0xFF}}));
}

TEST_F(BlockTransfer, MultiplesOfSevenMoveLengthOverSevenReports) {
    Bytes source(14, 0xAB);
    ASSERT_TRUE(protocol.writeBlock(0x200, source));
    EXPECT_EQ(dataReports().size(), 2u);

    mouse.clearReports();
    std::array<std::uint8_t, 21> destination{};
    ASSERT_TRUE(protocol.readBlock(0x200, destination));
    EXPECT_EQ(dataReports().size(), 3u);
}

TEST_F(BlockTransfer, WriteShowsProgressPerChunkAndLeavesItShown) {
    ASSERT_TRUE(protocol.writeBlock(0, Bytes(15, 0)));
    EXPECT_EQ(presenter.events, (std::vector<std::string>{"show 0/3", "show 1/3", "show 2/3"}));
}

TEST_F(BlockTransfer, ReadOfEightBytesStaysInsideItsDestination) {
    mouse.loadEeprom(patternedImage());
    std::array<std::uint8_t, 10> buffer{};
    buffer.fill(0x5C);

    ASSERT_TRUE(protocol.readBlock(0x0401, std::span(buffer).subspan(1, 8)));

    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x09, 0x04, 0x01, 0x00, 0x08, 0x00, 0x00}}));
    EXPECT_EQ(dataReports().size(), 2u);
    const image::Image eeprom = mouse.eeprom();
    EXPECT_TRUE(std::equal(buffer.begin() + 1, buffer.begin() + 9, eeprom.begin() + 0x401));
    EXPECT_EQ(buffer[0], 0x5C);
    EXPECT_EQ(buffer[9], 0x5C) << "a read must not write past its destination";
}

TEST_F(BlockTransfer, ReadShowsProgressOnlyWhenAsked) {
    std::array<std::uint8_t, 9> destination{};
    ASSERT_TRUE(protocol.readBlock(0, destination, Progress::Hidden));
    EXPECT_TRUE(presenter.events.empty());
    ASSERT_TRUE(protocol.readBlock(0, destination, Progress::Shown));
    EXPECT_EQ(presenter.events, (std::vector<std::string>{"show 0/2", "show 1/2"}));
}

TEST_F(BlockTransfer, RefusedCommandLeavesDestinationFFAndFails) {
    mouse.refuseCommands(true);
    std::array<std::uint8_t, 16> destination{};
    EXPECT_EQ(protocol.readBlock(0, destination).failure, Failure::CommandRefused);
    EXPECT_TRUE(std::ranges::all_of(destination, [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(dataReports().empty()) << "no data report follows a refused command";

    EXPECT_EQ(protocol.writeBlock(0, Bytes(16, 0)).failure, Failure::CommandRefused);
    EXPECT_TRUE(dataReports().empty());
}

TEST_F(BlockTransfer, RefusedDataReportLeavesItsChunkFFAndTheReadGoesOn) {
    mouse.loadEeprom(patternedImage());
    std::array<std::uint8_t, 21> destination{};
    mouse.refuseDataFrom(2);  // the second data report and every later one
    const Result result = protocol.readBlock(0, destination);

    EXPECT_EQ(result.failure, Failure::TransferIncomplete);
    EXPECT_EQ(result.refused, 2);
    EXPECT_EQ(result.reports, 3);
    EXPECT_EQ(dataReports().size(), 3u) << "the read goes on past a refused report";
    const image::Image eeprom = mouse.eeprom();
    EXPECT_TRUE(std::equal(destination.begin(), destination.begin() + 7, eeprom.begin()));
    EXPECT_TRUE(std::all_of(destination.begin() + 7, destination.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
}

TEST_F(BlockTransfer, RefusedDataReportFailsTheWriteButTheRestIsStillSent) {
    const Bytes source(21, 0x5A);
    mouse.refuseDataFrom(2);
    const Result result = protocol.writeBlock(0x300, source);

    EXPECT_EQ(result.failure, Failure::TransferIncomplete);
    EXPECT_EQ(result.refused, 2);
    EXPECT_EQ(result.reports, 3);
    EXPECT_EQ(dataReports().size(), 3u);
    EXPECT_FALSE(result.ok()) << "a write the mouse took only in part is never done";
}

// Only a refused command report aborts a transfer, so a mouse that leaves during a read leaves
// 0xFF in the chunks it never sent; the result says it left and counts them.
TEST_F(BlockTransfer, MouseVanishingMidReadLeavesUnreadChunksFF) {
    mouse.loadEeprom(patternedImage());
    mouse.vanishAfter(3);  // the command report and two data reports
    std::array<std::uint8_t, 35> destination{};

    const Result result = protocol.readBlock(0, destination);

    EXPECT_EQ(result.failure, Failure::DeviceLeft);
    EXPECT_EQ(result.refused, 3);
    EXPECT_EQ(result.reports, 5);
    const image::Image eeprom = mouse.eeprom();
    EXPECT_TRUE(std::equal(destination.begin(), destination.begin() + 14, eeprom.begin()));
    EXPECT_TRUE(std::all_of(destination.begin() + 14, destination.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
}

TEST_F(BlockTransfer, CompleteTransferReportsNoRefusals) {
    mouse.refuseDataFrom(1);
    std::array<std::uint8_t, 7> destination{};
    const Result refused = protocol.readBlock(0, destination);
    ASSERT_EQ(refused.failure, Failure::TransferIncomplete);
    ASSERT_EQ(refused.refused, 1);

    mouse.clearFaults();
    const Result complete = protocol.readBlock(0, destination);
    EXPECT_TRUE(complete.ok());
    EXPECT_EQ(complete.refused, 0);
    EXPECT_EQ(complete.reports, 1);
}

TEST_F(BlockTransfer, ZeroLengthSendsNothing) {
    EXPECT_TRUE(protocol.readBlock(0, std::span<std::uint8_t>{}));
    EXPECT_TRUE(protocol.writeBlock(0, std::span<const std::uint8_t>{}));
    EXPECT_TRUE(seen().empty());
}

TEST_F(BlockTransfer, LengthBeyondSixteenBitsIsRefusedWithoutSending) {
    std::vector<std::uint8_t> huge(0x10000, 0);
    EXPECT_EQ(protocol.readBlock(0, huge).failure, Failure::InvalidRequest);
    EXPECT_EQ(huge.front(), 0xFF);
    EXPECT_EQ(protocol.writeBlock(0, huge).failure, Failure::InvalidRequest);
    EXPECT_TRUE(seen().empty());
}

TEST_F(BlockTransfer, WithoutDeviceNothingIsSentAndReadsStayFF) {
    transport.invalidate();
    std::array<std::uint8_t, 8> destination{};
    EXPECT_EQ(protocol.readBlock(0, destination).failure, Failure::NoDevice);
    EXPECT_TRUE(std::ranges::all_of(destination, [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(protocol.writeBlock(0, destination).failure, Failure::NoDevice);
    EXPECT_TRUE(seen().empty());
}

}  // namespace
}  // namespace gm::device::test
