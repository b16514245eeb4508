#include "host/hidraw/hidraw_backend.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "fake_hidraw_tree.h"
#include "host/hidraw/sysfs_hidraw.h"

namespace gm::host {
namespace {

using testing::FakeHidrawTree;

const std::vector<std::uint8_t> kDescriptor = {0x06, 0x02, 0xFF, 0x09, 0x02, 0xA1, 0x01, 0xC0};

TEST(SysfsHidraw, ParsesTheHidIdLine) {
    const auto usb = parseHidId("DRIVER=hid-generic\nHID_ID=0003:00007A3E:000008B8\nHID_NAME=x\n");
    ASSERT_TRUE(usb.has_value());
    EXPECT_EQ(usb->bus, 0x0003);
    EXPECT_EQ(usb->vendorId, 0x7A3E);
    EXPECT_EQ(usb->productId, 0x08B8);

    const auto last = parseHidId("HID_ID=0005:0000046d:0000b01a");  // no newline, lower case
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->productId, 0xB01A);

    for (const char* bad :
         {"", "HID_NAME=mouse\n", "HID_ID=0003:00007A3E\n", "HID_ID=0003:7A3E:08B8x\n",
          "HID_ID=:7A3E:08B8\n", "XHID_ID=0003:00007A3E:000008B8\n", "HID_ID=10003:1:2\n"}) {
        EXPECT_FALSE(parseHidId(bad).has_value()) << bad;
    }
}

class HidrawBackendTest : public ::testing::Test {
protected:
    HidrawBackend backend() { return HidrawBackend(tree.classDir(), tree.devDir()); }

    FakeHidrawTree tree;
};

TEST_F(HidrawBackendTest, EnumeratesEveryNodeInNumberOrderWithIdsVersionAndDescriptor) {
    tree.addUsbDevice("usb1/1-2", "7a3e", "08b8", "0102");
    tree.addNode(10, "usb1/1-2/1-2:1.1/0003:7A3E:08B8.0002", "HID_ID=0003:00007A3E:000008B8\n",
                 kDescriptor);
    // A Bluetooth mouse below a USB dongle: the dongle's release number is not the mouse's.
    tree.addUsbDevice("usb1/1-5", "0a12", "0001", "8891");
    tree.addNode(2, "usb1/1-5/1-5:1.0/bluetooth/hci0/0005:0A12:0001.0003",
                 "HID_ID=0005:00000A12:00000001\n", {0x05, 0x01});
    // Unreadable ids: still present, but with ids that match nothing.
    tree.addNode(3, "virtual/misc/0006:0000:0000.0004", "HID_NAME=odd\n", {});
    std::filesystem::create_directories(tree.classDir() / "hidrawX");
    std::filesystem::create_directories(tree.classDir() / "other1");

    auto hidraw = backend();
    EXPECT_EQ(hidraw.countPresent(), 3);
    const auto interfaces = hidraw.enumerate();
    ASSERT_EQ(interfaces.size(), 3u);

    EXPECT_EQ(interfaces[0].path, (tree.devDir() / "hidraw2").string());
    EXPECT_EQ(interfaces[0].vendorId, 0x0A12);
    EXPECT_EQ(interfaces[0].version, 0);
    EXPECT_EQ(interfaces[0].reportDescriptor, (std::vector<std::uint8_t>{0x05, 0x01}));

    EXPECT_EQ(interfaces[1].path, (tree.devDir() / "hidraw3").string());
    EXPECT_EQ(interfaces[1].vendorId, 0);
    EXPECT_TRUE(interfaces[1].reportDescriptor.empty());

    EXPECT_EQ(interfaces[2].path, (tree.devDir() / "hidraw10").string());
    EXPECT_EQ(interfaces[2].vendorId, 0x7A3E);
    EXPECT_EQ(interfaces[2].productId, 0x08B8);
    EXPECT_EQ(interfaces[2].version, 0x0102);
    EXPECT_EQ(interfaces[2].reportDescriptor, kDescriptor);
}

TEST_F(HidrawBackendTest, UsbReleaseIsTakenOnlyFromTheDeviceWithTheSameIds) {
    tree.addUsbDevice("usb1/1-3", "1234", "5678", "0200");  // a hub or another device
    tree.addNode(0, "usb1/1-3/1-3:1.0/0003:7A3E:08B8.0001", "HID_ID=0003:00007A3E:000008B8\n",
                 kDescriptor);
    const auto interfaces = backend().enumerate();
    ASSERT_EQ(interfaces.size(), 1u);
    EXPECT_EQ(interfaces[0].vendorId, 0x7A3E);
    EXPECT_EQ(interfaces[0].version, 0);
}

TEST_F(HidrawBackendTest, NoHidrawClassMeansNoInterfaces) {
    HidrawBackend missing(tree.classDir() / "absent", tree.devDir());
    EXPECT_EQ(missing.countPresent(), 0);
    EXPECT_TRUE(missing.enumerate().empty());
}

TEST_F(HidrawBackendTest, OpenGivesADeviceOrSaysWhyNot) {
    tree.addNode(0, "virtual/0003:7A3E:08B8.0001", "HID_ID=0003:00007A3E:000008B8\n", kDescriptor);
    auto hidraw = backend();
    const auto opened = hidraw.open((tree.devDir() / "hidraw0").string());
    EXPECT_NE(opened.device, nullptr);
    EXPECT_EQ(opened.error, hid::OpenError::None);

    const auto absent = hidraw.open((tree.devDir() / "hidraw9").string());
    EXPECT_EQ(absent.device, nullptr);
    EXPECT_EQ(absent.error, hid::OpenError::NotFound);
    EXPECT_NE(absent.message.find("hidraw9"), std::string::npos) << absent.message;
}

TEST_F(HidrawBackendTest, RealNodeWithoutPermissionNamesTheUdevRule) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may open any file; the injected case covers this path";
    }
    tree.addNode(0, "virtual/0003:7A3E:08B8.0001", "HID_ID=0003:00007A3E:000008B8\n", kDescriptor);
    const auto node = tree.devDir() / "hidraw0";
    std::filesystem::permissions(node, std::filesystem::perms::none);
    const auto denied = backend().open(node.string());
    EXPECT_EQ(denied.error, hid::OpenError::PermissionDenied);
    EXPECT_NE(denied.message.find("70-gmouse.rules"), std::string::npos) << denied.message;
}

// Open errors as the kernel reports them, whoever runs the test.
class OpenErrorTest : public ::testing::TestWithParam<std::pair<int, hid::OpenError>> {};

TEST_P(OpenErrorTest, MapsErrnoToTheOpenError) {
    const auto [errorNumber, expected] = GetParam();
    HidrawSystemCalls calls = HidrawSystemCalls::real();
    int seenFlags = 0;
    calls.open = [&, errorNumber = errorNumber](const char*, int flags) {
        seenFlags = flags;
        errno = errorNumber;
        return -1;
    };
    HidrawBackend hidraw("/nonexistent", "/nonexistent", calls);
    const auto result = hidraw.open("/dev/hidraw7");
    EXPECT_EQ(result.device, nullptr);
    EXPECT_EQ(result.error, expected);
    EXPECT_NE(result.message.find("/dev/hidraw7"), std::string::npos) << result.message;
    EXPECT_EQ(seenFlags, O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (expected == hid::OpenError::PermissionDenied) {
        // The whole install sequence, and the way out for a session without a seat.
        for (const std::string& part : {std::string(kUdevRuleInstall), std::string("uaccess"),
                                        std::string("SSH"), std::string(kUdevGroupRuleExample)}) {
            EXPECT_NE(result.message.find(part), std::string::npos) << part;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(HidrawBackend, OpenErrorTest,
                         ::testing::Values(std::pair{EACCES, hid::OpenError::PermissionDenied},
                                           std::pair{EPERM, hid::OpenError::PermissionDenied},
                                           std::pair{ENOENT, hid::OpenError::NotFound},
                                           std::pair{ENODEV, hid::OpenError::NotFound},
                                           std::pair{EBUSY, hid::OpenError::Other}));

TEST(HidrawBackend, TheRuleTheMessageNamesIsInTheSourceTree) {
    const std::string install = kUdevRuleInstall;
    const std::string ruleName = "resources/udev/70-gmouse.rules";
    ASSERT_NE(install.find(ruleName), std::string::npos);
    EXPECT_NE(install.find("udevadm control --reload"), std::string::npos);
    EXPECT_NE(install.find("udevadm trigger --subsystem-match=hidraw"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(GM_SOURCE_DIR) / ruleName));
}

TEST(HidrawBackend, EveryRuleOfTheUdevFileNamesVendorAndProduct) {
    std::ifstream in(std::filesystem::path(GM_SOURCE_DIR) / "resources/udev/70-gmouse.rules");
    ASSERT_TRUE(in);
    int rules = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        ++rules;
        // Only the mouse gets user access, never another device of the same maker.
        const bool usb = line.find("ATTRS{idVendor}==\"7a3e\"") != std::string::npos &&
                         line.find("ATTRS{idProduct}==\"08b8\"") != std::string::npos;
        const bool anyBus = line.find("KERNELS==\"????:7A3E:08B8.*\"") != std::string::npos;
        EXPECT_TRUE(usb || anyBus) << line;
        EXPECT_NE(line.find("SUBSYSTEM==\"hidraw\""), std::string::npos) << line;
    }
    EXPECT_EQ(rules, 2);
}

}  // namespace
}  // namespace gm::host
