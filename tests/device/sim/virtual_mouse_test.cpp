#include "device/sim/virtual_mouse.h"

#include <gtest/gtest.h>

#include <thread>

#include "device/sim/report_descriptors.h"
#include "device/sim/virtual_bus.h"
#include "image/factory_images.h"

namespace gm::sim {
namespace {

using device::Micros;
using device::ReportKind;
using device::StatusButton;
using namespace std::chrono_literals;
using Report = std::array<std::uint8_t, 8>;

image::Image patternImage() {
    image::Image image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i);
    }
    return image;
}

class VirtualMouseTest : public ::testing::Test {
protected:
    VirtualMouseTest() : mouse(clock, image::ChipType::Chip4210A, patternImage()) {
        bus.plugGeneric({"", 0x046D, 0xC077, 0x0111, pointerReportDescriptor()});
        bus.attach(mouse);
    }
    std::shared_ptr<hid::Device> openInterface(MouseInterface which) {
        const auto interfaces = mouse.interfaces();
        const auto opened = bus.open(interfaces.at(static_cast<std::size_t>(which)).path);
        EXPECT_TRUE(opened.device) << opened.message;
        return opened.device;
    }
    std::shared_ptr<hid::Device> vendor() { return openInterface(MouseInterface::Vendor); }

    device::ManualClock clock;
    VirtualBus bus;
    VirtualMouse mouse;
};

TEST(VirtualMouseDefaults, StartsWithTheChipsFirstFactoryImageAndIdentifiesItsChip) {
    device::ManualClock clock;
    for (const auto chip : {image::ChipType::Chip4210A, image::ChipType::Chip4230A}) {
        VirtualMouse mouse(clock, chip);
        EXPECT_EQ(mouse.eeprom(), image::factoryImage(chip, 1));
        VirtualBus bus;
        bus.attach(mouse);
        const auto handle = bus.open(mouse.interfaces()[2].path).device;
        ASSERT_TRUE(handle->setFeature(Report{0x40, 0x0D}));
        Report answer{0x41};
        ASSERT_TRUE(handle->getFeature(answer));
        EXPECT_EQ(image::chipFromIdentify(answer[1]), chip);
        EXPECT_EQ(answer[2], 0x3A);
    }
}

TEST_F(VirtualMouseTest, BusListsUnrelatedInterfacesAndTheMouseInPlugOrder) {
    const auto interfaces = bus.enumerate();
    ASSERT_EQ(interfaces.size(), 4u);
    EXPECT_EQ(interfaces[0].vendorId, 0x046D);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(interfaces[i].vendorId, 0x7A3E);
        EXPECT_EQ(interfaces[i].productId, 0x08B8);
    }
    EXPECT_EQ(interfaces[3].reportDescriptor, vendorReportDescriptor());
    EXPECT_EQ(bus.countPresent(), 4);

    const int keyboard = bus.plugGeneric({"", 1, 2, 3, keyboardReportDescriptor()});
    EXPECT_EQ(bus.countPresent(), 5);
    bus.unplug(keyboard);
    bus.detach(mouse);
    EXPECT_EQ(bus.countPresent(), 1);
}

TEST_F(VirtualMouseTest, OnlyTheVendorInterfaceSpeaksTheFeatureReports) {
    Report request{0x41};
    EXPECT_EQ(openInterface(MouseInterface::Pointer)->setFeature(Report{0x40, 0x0D}).status,
              hid::TransferStatus::Refused);
    EXPECT_EQ(openInterface(MouseInterface::Keyboard)->getFeature(request).status,
              hid::TransferStatus::Refused);
    const auto generic = bus.open(bus.enumerate()[0].path).device;
    ASSERT_TRUE(generic);
    EXPECT_EQ(generic->setFeature(Report{0x40, 0x0D}).status, hid::TransferStatus::Refused);

    const auto handle = vendor();
    EXPECT_TRUE(handle->setFeature(Report{0x40, 0x09, 0x00, 0x10, 0x00, 0x02}));
    ASSERT_TRUE(handle->getFeature(request));
    EXPECT_EQ(request, (Report{0x41, 0x10, 0x11, 0, 0, 0, 0, 0}));
}

TEST_F(VirtualMouseTest, RecordsEveryReportWithItsOutcome) {
    std::vector<std::string> traced;
    mouse.setTrace([&](ReportKind kind, std::span<const std::uint8_t> bytes) {
        traced.push_back(device::formatTraceLine(kind, bytes));
    });
    mouse.refuseCommands(true);
    const auto handle = vendor();
    EXPECT_FALSE(handle->setFeature(Report{0x40, 0x0D}));
    const auto seen = mouse.reports();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, ReportKind::SetFeature);
    EXPECT_FALSE(seen[0].accepted);
    EXPECT_EQ(traced, std::vector<std::string>{"set-feature 40 0D 00 00 00 00 00 00"});
}

TEST_F(VirtualMouseTest, RestartLeavesTheBusAndReturnsAfterTheDelay) {
    mouse.setRestartDelay(Micros{5'000'000});
    const auto handle = vendor();
    ASSERT_TRUE(handle->setFeature(Report{0x40, 0x0E}));
    EXPECT_EQ(mouse.restartCount(), 1);
    EXPECT_FALSE(mouse.present());
    EXPECT_EQ(bus.countPresent(), 1);
    EXPECT_FALSE(bus.open("sim/does-not-exist").device);
    clock.advance(Micros{4'999'999});
    EXPECT_EQ(bus.enumerate().size(), 1u);
    clock.advance(Micros{1});
    EXPECT_EQ(bus.countPresent(), 4);
    EXPECT_EQ(handle->setFeature(Report{0x40, 0x0D}).status, hid::TransferStatus::Gone)
        << "handles from before stay dead";
    EXPECT_TRUE(vendor()->setFeature(Report{0x40, 0x0D}));
}

TEST_F(VirtualMouseTest, VanishAfterNReportsFailsEveryLaterCall) {
    const auto handle = vendor();
    ASSERT_TRUE(handle->setFeature(Report{0x40, 0x09, 0x00, 0x00, 0x00, 0x15}));
    mouse.vanishAfter(2);
    Report request{0x41};
    EXPECT_TRUE(handle->getFeature(request));
    EXPECT_TRUE(handle->getFeature(request));
    request = {0x41};
    EXPECT_EQ(handle->getFeature(request).status, hid::TransferStatus::Gone);
    EXPECT_EQ(handle->setFeature(Report{0x40, 0x0D}).status, hid::TransferStatus::Gone);
    EXPECT_EQ(bus.countPresent(), 1);
    EXPECT_TRUE(mouse.interfaces().empty());
    mouse.plugIn();
    EXPECT_EQ(bus.countPresent(), 4);
}

// A cable pulled and plugged back: gone after N reports, back by itself after the delay with the
// EEPROM it had, and only new handles work.
TEST_F(VirtualMouseTest, AnUnpluggedMouseComesBackAfterItsDelayWithItsEeprom) {
    auto handle = vendor();
    mouse.vanishAfter(2, Micros{3'000'000});
    ASSERT_TRUE(handle->setFeature(Report{0x40, 0x05, 0x00, 0x07, 0x55, 0x66, 0x77, 0x03}));
    ASSERT_TRUE(handle->setFeature(Report{0x40, 0x0D}));
    EXPECT_EQ(handle->setFeature(Report{0x40, 0x0D}).status, hid::TransferStatus::Gone);
    EXPECT_EQ(bus.countPresent(), 1);
    clock.advance(Micros{2'999'999});
    EXPECT_FALSE(mouse.present());
    clock.advance(Micros{1});
    EXPECT_EQ(bus.countPresent(), 4);
    EXPECT_EQ(handle->setFeature(Report{0x40, 0x0D}).status, hid::TransferStatus::Gone);
    handle = vendor();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(handle->setFeature(Report{0x40, 0x0D})) << "it leaves only once";
    const image::Image eeprom = mouse.eeprom();
    EXPECT_EQ(std::vector<int>(eeprom.begin() + 6, eeprom.begin() + 11),
              (std::vector<int>{6, 0x55, 0x66, 0x77, 10}))
        << "the live write before it left is kept";
}

// Answers from the N-th on are wrong in every byte, differently each time; what the host sends
// still lands as sent.
TEST_F(VirtualMouseTest, GarbledAnswersFromTheNthOnDifferInEveryByte) {
    const auto handle = vendor();
    ASSERT_TRUE(handle->setFeature(Report{0x40, 0x09, 0x00, 0x00, 0x00, 0x15}));
    mouse.garbleAnswersFrom(2);
    std::vector<Report> answers(3, Report{0x41});
    for (Report& answer : answers)
        ASSERT_TRUE(handle->getFeature(answer));
    EXPECT_EQ(answers[0], (Report{0x41, 0, 1, 2, 3, 4, 5, 6}));
    for (std::size_t chunk = 1; chunk < 3; ++chunk) {
        EXPECT_EQ(answers[chunk][0], 0x41);
        for (std::size_t i = 1; i < 8; ++i)
            EXPECT_NE(answers[chunk][i], 7 * chunk + i - 1) << chunk << " " << i;
    }
    const int firstWrongBits = answers[1][1] ^ 7;
    const int secondWrongBits = answers[2][1] ^ 14;
    EXPECT_NE(firstWrongBits, secondWrongBits) << "the same wrong bytes twice";
    EXPECT_EQ(mouse.reports().back().bytes,
              std::vector<std::uint8_t>(answers[2].begin(), answers[2].end()))
        << "the record shows what was answered";

    ASSERT_TRUE(handle->setFeature(Report{0x40, 0x07, 0x00, 0x00, 0x00, 0x07}));
    ASSERT_TRUE(handle->setFeature(Report{0x41, 9, 9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(mouse.eeprom()[6], 9);
    mouse.clearFaults();
    Report answer{0x41};
    ASSERT_TRUE(handle->setFeature(Report{0x40, 0x09, 0x00, 0x00, 0x00, 0x07}));
    ASSERT_TRUE(handle->getFeature(answer));
    EXPECT_EQ(answer, (Report{0x41, 9, 9, 9, 9, 9, 9, 9}));
}

TEST_F(VirtualMouseTest, RefusesDataReportsFromTheNthOn) {
    const auto handle = vendor();
    ASSERT_TRUE(handle->setFeature(Report{0x40, 0x07, 0x00, 0x00, 0x00, 0x15}));
    mouse.refuseDataFrom(2);
    EXPECT_TRUE(handle->setFeature(Report{0x41, 9, 9, 9, 9, 9, 9, 9}));
    EXPECT_FALSE(handle->setFeature(Report{0x41, 8, 8, 8, 8, 8, 8, 8}));
    Report request{0x41};
    EXPECT_FALSE(handle->getFeature(request));
    EXPECT_TRUE(handle->setFeature(Report{0x40, 0x0D})) << "commands still pass";
    EXPECT_EQ(mouse.eeprom()[7], 7) << "the refused chunk changed nothing";
    mouse.clearFaults();
    EXPECT_TRUE(handle->getFeature(request));
}

TEST_F(VirtualMouseTest, SlowModeChargesEveryFeatureReportOnTheClock) {
    mouse.setReportCost(Micros{250});
    const auto handle = vendor();
    Report request{0x41};
    handle->setFeature(Report{0x40, 0x0D});
    handle->getFeature(request);
    EXPECT_EQ(clock.now(), Micros{500});
}

TEST_F(VirtualMouseTest, DeniedOpenCarriesTheMessage) {
    mouse.denyOpen("no access to sim/mouse: add the udev rule");
    const auto opened = bus.open(mouse.interfaces()[2].path);
    EXPECT_FALSE(opened.device);
    EXPECT_EQ(opened.error, hid::OpenError::PermissionDenied);
    EXPECT_EQ(opened.message, "no access to sim/mouse: add the udev rule");
}

TEST_F(VirtualMouseTest, StatusButtonsQueuePressAndReleaseReports) {
    image::Image image = patternImage();
    image[43] = 3;
    image[166] = 3;
    image[164] = 0x02;
    mouse.loadEeprom(image);
    const auto handle = vendor();
    mouse.press(StatusButton::Cpi);
    mouse.press(StatusButton::Profile);
    EXPECT_EQ(mouse.currentLevel(), 0);
    EXPECT_EQ(mouse.currentProfile(), 0);

    std::vector<std::array<std::uint8_t, 4>> received;
    for (int i = 0; i < 4; ++i) {
        std::array<std::uint8_t, 4> buffer{};
        const auto read = handle->readInput(buffer, 1s);
        ASSERT_EQ(read.status, hid::ReadStatus::Ok);
        ASSERT_EQ(read.length, 4u);
        received.push_back(buffer);
    }
    EXPECT_EQ(received,
              (std::vector<std::array<std::uint8_t, 4>>{
                  {0x42, 0, 0, 0x01}, {0x42, 0, 0, 0}, {0x42, 0, 0, 0x08}, {0x42, 0, 0, 0}}));
}

TEST_F(VirtualMouseTest, InputReadCopiesNoMoreThanTheBuffer) {
    const auto handle = vendor();
    mouse.press(StatusButton::CpiUp);
    std::array<std::uint8_t, 4> buffer{0, 0, 0xEE, 0xEE};
    const auto read = handle->readInput(std::span(buffer).first(2), 1s);
    EXPECT_EQ(read.length, 2u);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0x42, 0, 0xEE, 0xEE}));
}

TEST_F(VirtualMouseTest, InputReadTimesOutWithoutAReport) {
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(vendor()->readInput(buffer, 5ms).status, hid::ReadStatus::Timeout);
}

TEST_F(VirtualMouseTest, UnplugWakesABlockedReaderWithAnError) {
    const auto handle = vendor();
    hid::ReadStatus status = hid::ReadStatus::Ok;
    std::thread reader([&] {
        std::array<std::uint8_t, 4> buffer{};
        status = handle->readInput(buffer, 60s).status;
    });
    // Whether the reader is already waiting or not, it must end with an error, not wait 60 s.
    mouse.unplug();
    reader.join();
    EXPECT_EQ(status, hid::ReadStatus::Error);
}

// Before a read or during it, an interruption ends a read without timeout, and only that one.
TEST_F(VirtualMouseTest, AnInterruptionEndsAWaitWithoutTimeoutOnce) {
    for (const auto& handle : {vendor(), bus.open(bus.enumerate().front().path).device}) {
        std::array<std::uint8_t, 4> buffer{};
        handle->interruptRead();
        EXPECT_EQ(handle->readInput(buffer, hid::kWaitForever).status,
                  hid::ReadStatus::Interrupted);
        EXPECT_EQ(handle->readInput(buffer, 0ms).status, hid::ReadStatus::Timeout);
        hid::ReadStatus status = hid::ReadStatus::Ok;
        std::thread reader([&] { status = handle->readInput(buffer, hid::kWaitForever).status; });
        handle->interruptRead();
        reader.join();
        EXPECT_EQ(status, hid::ReadStatus::Interrupted);
    }
}

TEST_F(VirtualMouseTest, AMouseDestroyedWhileAttachedLeavesTheBus) {
    std::shared_ptr<hid::Device> handle;
    {
        VirtualMouse second(clock, image::ChipType::Chip4230A, patternImage());
        bus.attach(second);
        EXPECT_EQ(bus.countPresent(), 7);
        handle = bus.open(second.interfaces()[2].path).device;
        ASSERT_TRUE(handle);
    }
    EXPECT_EQ(bus.countPresent(), 4);
    EXPECT_EQ(handle->setFeature(Report{0x40, 0x0D}).status, hid::TransferStatus::Gone);
}

}  // namespace
}  // namespace gm::sim
