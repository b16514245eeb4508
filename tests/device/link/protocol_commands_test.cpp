// XDATA access, identify and restart.

#include "protocol_test_fixture.h"

namespace gm::device::test {
namespace {

using DeviceCommands = ProtocolTest;

TEST_F(DeviceCommands, XDataAddressIsSentHighByteFirst) {
    mouse.setXdata(0x2345, 0x9C);
    std::uint8_t value = 0;
    ASSERT_TRUE(protocol.xdataRead(0x2345, value));
    EXPECT_EQ(value, 0x9C);
    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x02, 0x23, 0x45, 0x00, 0x01, 0x00, 0x00}}));

    mouse.clearReports();
    ASSERT_TRUE(protocol.xdataWrite(0xABCD, 0x42));
    EXPECT_EQ(seen(), (std::vector<Bytes>{{0x40, 0x01, 0xAB, 0xCD, 0x42, 0x00, 0x00, 0x00}}));
    EXPECT_EQ(mouse.xdata(0xABCD), 0x42);
}

TEST_F(DeviceCommands, XDataReadWithRefusedDataReportLeavesTheValue) {
    mouse.setXdata(0x7241, 0x00);
    mouse.refuseDataFrom(1);
    std::uint8_t value = 0x5A;
    const Result result = protocol.xdataRead(0x7241, value);
    EXPECT_EQ(result.failure, Failure::TransferIncomplete);
    EXPECT_EQ(result.refused, 1);
    EXPECT_EQ(value, 0x5A) << "a refused answer must not pass as the register's value";
    EXPECT_EQ(transport.response(), (Payload{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(DeviceCommands, ChangeXDataWritesThreeRegistersInOrder) {
    ASSERT_TRUE(protocol.changeXData());
    EXPECT_EQ(seen(), (std::vector<Bytes>{{0x40, 0x01, 0x72, 0x41, 0x01, 0, 0, 0},
                                          {0x40, 0x01, 0x72, 0x42, 0x06, 0, 0, 0},
                                          {0x40, 0x01, 0x72, 0x43, 0x01, 0, 0, 0}}));
}

// Each register write stands alone: a refusal must not keep the others from being sent, and
// the failure names every address the mouse refused.
TEST_F(DeviceCommands, ChangeXDataSendsAllThreeWritesAndNamesEveryRefusal) {
    mouse.refuseCommands(true);
    const Result result = protocol.changeXData();

    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x01, 0x72, 0x41, 0x01, 0, 0, 0},
                                              {0x40, 0x01, 0x72, 0x42, 0x06, 0, 0, 0},
                                              {0x40, 0x01, 0x72, 0x43, 0x01, 0, 0, 0}}));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.step, Step::XDataWrite);
    EXPECT_EQ(result.refused, 3);
    for (const char* address : {"7241", "7242", "7243"})
        EXPECT_NE(result.detail.find(address), std::string::npos) << result.detail;
}

TEST_F(DeviceCommands, IdentifyAnswersWithMarkerAndChipByte) {
    IdentifyAnswer answer;
    ASSERT_TRUE(protocol.identify(answer));
    EXPECT_TRUE(answer.valid());
    EXPECT_EQ(image::chipFromIdentify(answer.payload[0]), image::ChipType::Chip4210A);
    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x0D, 0, 0, 0, 0, 0, 0}}));
}

TEST_F(DeviceCommands, IdentifyFailuresAreTold) {
    IdentifyAnswer answer;
    mouse.setBadIdentify(true);
    Result result = protocol.identify(answer);
    EXPECT_EQ(result.failure, Failure::WrongIdentify);
    EXPECT_FALSE(answer.valid());
    // The system's own text stays first; the step and the answer follow.
    EXPECT_EQ(messageOf(result).text,
              "RDXM421xData.bin file type error: while identifying the mouse, the mouse answered "
              "40 00, not its chip byte followed by 3A. Nothing was written to the mouse.");

    mouse.clearFaults();
    mouse.refuseDataFrom(1);
    result = protocol.identify(answer);
    EXPECT_EQ(result.failure, Failure::TransferIncomplete);
    EXPECT_EQ(answer.payload, (Payload{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(answer.valid());

    mouse.clearFaults();
    mouse.refuseCommands(true);
    EXPECT_EQ(protocol.identify(answer).failure, Failure::CommandRefused);
    EXPECT_FALSE(answer.valid());
}

TEST_F(DeviceCommands, RestartTakesTheMouseOffTheBus) {
    ASSERT_TRUE(protocol.restart());
    EXPECT_EQ(seen(), (std::vector<Bytes>{{0x40, 0x0E, 0, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(mouse.restartCount(), 1);
    EXPECT_FALSE(mouse.present());
}

TEST_F(DeviceCommands, WithoutDeviceNothingIsSent) {
    transport.invalidate();
    std::uint8_t value = 0;
    IdentifyAnswer answer;
    EXPECT_EQ(protocol.xdataRead(0, value).failure, Failure::NoDevice);
    EXPECT_EQ(protocol.xdataWrite(0, 1).failure, Failure::NoDevice);
    EXPECT_EQ(protocol.changeXData().failure, Failure::NoDevice);
    EXPECT_EQ(protocol.identify(answer).failure, Failure::NoDevice);
    EXPECT_EQ(protocol.restart().failure, Failure::NoDevice);
    EXPECT_TRUE(seen().empty());
}

}  // namespace
}  // namespace gm::device::test
