#include "host/uhid/uhid_device.h"

#include <linux/uhid.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "device/clock.h"
#include "device/sim/report_descriptors.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"

namespace gm::host {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<uhid_event> blank(std::uint32_t type) {
    auto event = std::make_unique<uhid_event>();
    std::memset(event.get(), 0, sizeof(uhid_event));
    event->type = type;
    return event;
}

// The virtual mouse behind a uhid device whose other end, a packet socket, plays the kernel.
class UhidDeviceTest : public ::testing::Test {
protected:
    UhidDeviceTest() : mouse(clock, image::ChipType::Chip4210A) {
        int ends[2];
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, ends), 0);
        ours = ends[0];
        kernel = ends[1];
        bus.attach(mouse);
        vendor = bus.open(mouse.interfaces()[2].path).device;
        uhid = std::make_unique<UhidDevice>(ours, *vendor);
    }
    ~UhidDeviceTest() override {
        ::close(ours);
        if (kernel >= 0) {
            ::close(kernel);
        }
    }

    void send(const uhid_event& event, std::size_t size = sizeof(uhid_event)) const {
        ASSERT_EQ(::write(kernel, &event, size), static_cast<ssize_t>(size));
    }
    std::unique_ptr<uhid_event> receive() const {
        auto event = blank(0);
        EXPECT_EQ(::read(kernel, event.get(), sizeof(uhid_event)),
                  static_cast<ssize_t>(sizeof(uhid_event)));
        return event;
    }
    // The kernel's side of a get-feature ioctl: the answer's error and bytes.
    std::pair<int, Bytes> getReport(std::uint32_t id, std::uint8_t number,
                                    std::uint8_t type = UHID_FEATURE_REPORT) {
        auto request = blank(UHID_GET_REPORT);
        request->u.get_report.id = id;
        request->u.get_report.rnum = number;
        request->u.get_report.rtype = type;
        send(*request, sizeof(request->type) + sizeof(request->u.get_report));
        EXPECT_EQ(uhid->handleEvent(), UhidEvent::ReportAnswered);
        const auto reply = receive();
        EXPECT_EQ(+reply->type, +UHID_GET_REPORT_REPLY);
        EXPECT_EQ(+reply->u.get_report_reply.id, id);
        const auto& data = reply->u.get_report_reply.data;
        const int error = reply->u.get_report_reply.err;
        return {error, Bytes(data, data + reply->u.get_report_reply.size)};
    }
    // The kernel's side of a set-feature ioctl: the answer's error.
    int setReport(std::uint32_t id, const Bytes& report, std::uint8_t type = UHID_FEATURE_REPORT) {
        auto request = blank(UHID_SET_REPORT);
        request->u.set_report.id = id;
        request->u.set_report.rnum = report[0];
        request->u.set_report.rtype = type;
        request->u.set_report.size = static_cast<std::uint16_t>(report.size());
        std::copy(report.begin(), report.end(), request->u.set_report.data);
        send(*request);
        EXPECT_EQ(uhid->handleEvent(), UhidEvent::ReportAnswered);
        const auto reply = receive();
        EXPECT_EQ(+reply->type, +UHID_SET_REPORT_REPLY);
        EXPECT_EQ(+reply->u.set_report_reply.id, id);
        return reply->u.set_report_reply.err;
    }

    device::ManualClock clock;
    sim::VirtualBus bus;
    sim::VirtualMouse mouse;
    std::shared_ptr<hid::Device> vendor;
    int ours = -1;
    int kernel = -1;
    std::unique_ptr<UhidDevice> uhid;
};

TEST_F(UhidDeviceTest, CreateSendsTheIdentityAndTheWholeDescriptor) {
    const Bytes descriptor = sim::singleInterfaceReportDescriptor();
    ASSERT_TRUE(uhid->create(
        {"gmouse virtual mouse", "gmouse-uhid-42", 0x0003, 0x7A3E, 0x08B8, 0x0100}, descriptor));
    const auto event = receive();
    ASSERT_EQ(+event->type, +UHID_CREATE2);
    const auto& create = event->u.create2;
    EXPECT_STREQ(reinterpret_cast<const char*>(create.name), "gmouse virtual mouse");
    EXPECT_STREQ(reinterpret_cast<const char*>(create.uniq), "gmouse-uhid-42");
    EXPECT_EQ(+create.bus, 0x0003);
    EXPECT_EQ(+create.vendor, 0x7A3Eu);
    EXPECT_EQ(+create.product, 0x08B8u);
    EXPECT_EQ(+create.version, 0x0100u);
    ASSERT_EQ(std::size_t{create.rd_size}, descriptor.size());
    EXPECT_EQ(Bytes(create.rd_data, create.rd_data + create.rd_size), descriptor);

    EXPECT_FALSE(uhid->create({}, {0x05, 0x01, 0xA1})) << "a broken descriptor";
    EXPECT_FALSE(uhid->create({}, Bytes(HID_MAX_DESCRIPTOR_SIZE + 1, 0xC0)));
}

TEST_F(UhidDeviceTest, FeatureRequestsReachTheMouseAndItsAnswersComeBack) {
    ASSERT_TRUE(uhid->create({"m", "u"}, sim::singleInterfaceReportDescriptor()));
    receive();
    EXPECT_EQ(setReport(7, {0x40, 0x0D, 0, 0, 0, 0, 0, 0}), 0);  // identify
    const auto [error, answer] = getReport(8, 0x41);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(answer, (Bytes{0x41, 0x40, 0x3A, 0, 0, 0, 0, 0}));
    EXPECT_EQ(mouse.reports().size(), 2u);
}

TEST_F(UhidDeviceTest, RefusedAndUndeclaredReportsAnswerAnError) {
    ASSERT_TRUE(uhid->create({"m", "u"}, sim::singleInterfaceReportDescriptor()));
    receive();
    mouse.refuseCommands(true);
    EXPECT_NE(setReport(1, {0x40, 0x0D, 0, 0, 0, 0, 0, 0}), 0);
    mouse.refuseDataFrom(1);
    EXPECT_NE(getReport(2, 0x41).first, 0);
    EXPECT_NE(getReport(3, 0x07).first, 0) << "no such feature report";
    EXPECT_NE(getReport(4, 0x01, UHID_INPUT_REPORT).first, 0);
    const auto before = mouse.reports().size();
    EXPECT_NE(setReport(5, {0x07, 1, 2}), 0);
    EXPECT_EQ(mouse.reports().size(), before) << "an undeclared report never reaches the mouse";
    EXPECT_EQ(setReport(6, {0x02, 0x01}, UHID_OUTPUT_REPORT), 0) << "keyboard LEDs are taken";
}

TEST_F(UhidDeviceTest, StatusPressesBecomeInputEvents) {
    ASSERT_TRUE(uhid->create({"m", "u"}, sim::singleInterfaceReportDescriptor()));
    receive();
    mouse.press(device::StatusButton::CpiDown);
    for (const std::uint8_t bit : {std::uint8_t{0x04}, std::uint8_t{0x00}}) {
        ASSERT_TRUE(uhid->forwardInput(1s));
        const auto event = receive();
        ASSERT_EQ(+event->type, +UHID_INPUT2);
        const auto& input = event->u.input2;
        EXPECT_EQ(Bytes(input.data, input.data + input.size), (Bytes{0x42, 0, 0, bit}));
    }
    EXPECT_TRUE(uhid->forwardInput(0ms)) << "nothing pending is no failure";
    mouse.unplug();
    EXPECT_FALSE(uhid->forwardInput(0ms)) << "the mouse left";
}

TEST_F(UhidDeviceTest, LifecycleEventsAreNamedAndAClosedPeerEndsTheLoop) {
    for (const auto& [type, expected] :
         std::vector<std::pair<std::uint32_t, UhidEvent>>{{UHID_START, UhidEvent::Started},
                                                          {UHID_OPEN, UhidEvent::Opened},
                                                          {UHID_OUTPUT, UhidEvent::Output},
                                                          {UHID_CLOSE, UhidEvent::Closed},
                                                          {UHID_STOP, UhidEvent::Stopped},
                                                          {99, UhidEvent::Unknown}}) {
        send(*blank(type), sizeof(std::uint32_t));
        EXPECT_EQ(uhid->handleEvent(), expected) << type;
    }
    ASSERT_TRUE(uhid->destroy());
    EXPECT_EQ(+receive()->type, +UHID_DESTROY);
    ::close(kernel);
    kernel = -1;
    EXPECT_EQ(uhid->handleEvent(), UhidEvent::Failed);
}

}  // namespace
}  // namespace gm::host
