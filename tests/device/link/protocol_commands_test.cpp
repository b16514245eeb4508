// XDATA access, identify and restart.

#include "protocol_test_fixture.h"

namespace gm::device::test {
namespace {

using DeviceCommands = ProtocolTest;

TEST_F(DeviceCommands, XDataAddressIsSentAsItsLowSixteenBits) {
    mouse.setXdata(0x2345, 0x9C);
    EXPECT_EQ(protocol.xdataRead(0x12345), std::optional<std::uint8_t>{0x9C});
    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x02, 0x23, 0x45, 0x00, 0x01, 0x00, 0x00}}));

    mouse.clearReports();
    ASSERT_TRUE(protocol.xdataWrite(0x1ABCD, 0x42));
    EXPECT_EQ(seen(), (std::vector<Bytes>{{0x40, 0x01, 0xAB, 0xCD, 0x42, 0x00, 0x00, 0x00}}));
    EXPECT_EQ(mouse.xdata(0xABCD), 0x42);
}

TEST_F(DeviceCommands, XDataReadWithRefusedDataReportHasNoValue) {
    mouse.refuseDataFrom(1);
    EXPECT_EQ(protocol.xdataRead(0x7241), std::nullopt);
    EXPECT_EQ(transport.response(), (Payload{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(DeviceCommands, ChangeXDataWritesThreeRegistersInOrder) {
    ASSERT_TRUE(protocol.changeXData());
    EXPECT_EQ(seen(), (std::vector<Bytes>{{0x40, 0x01, 0x72, 0x41, 0x01, 0, 0, 0},
                                          {0x40, 0x01, 0x72, 0x42, 0x06, 0, 0, 0},
                                          {0x40, 0x01, 0x72, 0x43, 0x01, 0, 0, 0}}));
}

TEST_F(DeviceCommands, ChangeXDataStopsAtTheFirstRefusal) {
    mouse.refuseCommands(true);
    EXPECT_FALSE(protocol.changeXData());
    EXPECT_EQ(commands().size(), 1u);
}

TEST_F(DeviceCommands, IdentifyAnswersWithMarkerAndChipByte) {
    const auto answer = protocol.identify();
    ASSERT_TRUE(answer.has_value());
    EXPECT_TRUE(answer->valid());
    EXPECT_EQ(image::chipFromIdentify(answer->payload[0]), image::ChipType::Chip4210A);
    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x0D, 0, 0, 0, 0, 0, 0}}));
}

TEST_F(DeviceCommands, IdentifyFailuresAreTold) {
    mouse.setBadIdentify(true);
    auto answer = protocol.identify();
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(answer->valid());

    mouse.clearFaults();
    mouse.refuseDataFrom(1);
    answer = protocol.identify();
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->payload, (Payload{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(answer->valid());

    mouse.clearFaults();
    mouse.refuseCommands(true);
    EXPECT_EQ(protocol.identify(), std::nullopt);
}

TEST_F(DeviceCommands, RestartTakesTheMouseOffTheBus) {
    ASSERT_TRUE(protocol.restart());
    EXPECT_EQ(seen(), (std::vector<Bytes>{{0x40, 0x0E, 0, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(mouse.restartCount(), 1);
    EXPECT_FALSE(mouse.present());
}

TEST_F(DeviceCommands, WithoutDeviceNothingIsSent) {
    transport.invalidate();
    EXPECT_EQ(protocol.xdataRead(0), std::nullopt);
    EXPECT_FALSE(protocol.xdataWrite(0, 1));
    EXPECT_FALSE(protocol.changeXData());
    EXPECT_EQ(protocol.identify(), std::nullopt);
    EXPECT_FALSE(protocol.restart());
    EXPECT_TRUE(seen().empty());
}

}  // namespace
}  // namespace gm::device::test
