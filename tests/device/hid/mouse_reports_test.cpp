#include "device/hid/mouse_reports.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "sample_descriptors.h"

namespace gm::hid {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A vendor collection of 8-bit fields with these (report id, count, main item) triples.
Bytes vendorReports(std::initializer_list<std::array<std::uint8_t, 3>> reports) {
    Bytes bytes = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08};
    for (const auto& [id, count, item] : reports) {
        bytes.insert(bytes.end(), {0x85, id, 0x95, count, item, 0x02});
    }
    bytes.push_back(0xC0);
    return bytes;
}

constexpr std::uint8_t kFeature = 0xB1;
constexpr std::uint8_t kInput = 0x81;

TEST(MouseReports, TheGamingMouseDeclaresEveryChannelInItsLastCollection) {
    const MouseReports reports = mouseReportsOf(samples::kGamingMouse);
    EXPECT_TRUE(reports.commandAndData);
    ASSERT_TRUE(reports.status.has_value());
    EXPECT_EQ(reports.status->dataBytes, 3u);
    EXPECT_EQ(reports.status->collection, 4u);
}

TEST(MouseReports, BothFeatureReportsWithSevenBytesAreNeeded) {
    EXPECT_TRUE(
        mouseReportsOf(vendorReports({{0x40, 7, kFeature}, {0x41, 7, kFeature}})).commandAndData);
    EXPECT_FALSE(mouseReportsOf(vendorReports({{0x40, 7, kFeature}})).commandAndData);
    EXPECT_FALSE(
        mouseReportsOf(vendorReports({{0x40, 7, kFeature}, {0x41, 8, kFeature}})).commandAndData);
    EXPECT_FALSE(
        mouseReportsOf(vendorReports({{0x40, 7, kInput}, {0x41, 7, kInput}})).commandAndData)
        << "input reports of those ids are not the command channel";
    // An 8-byte feature report of another id is what the old length rule was fooled by.
    EXPECT_FALSE(mouseReportsOf(vendorReports({{0x43, 7, kFeature}})).commandAndData);
}

TEST(MouseReports, StatusIsInputReport0x42Alone) {
    EXPECT_TRUE(mouseReportsOf(vendorReports({{0x42, 3, kInput}})).status.has_value());
    EXPECT_FALSE(mouseReportsOf(vendorReports({{0x42, 3, kFeature}})).status.has_value());
    EXPECT_FALSE(mouseReportsOf(samples::kKeyboard).status.has_value());
    const MouseReports broken = mouseReportsOf(Bytes{0x05, 0x01, 0xA1});
    EXPECT_FALSE(broken.commandAndData || broken.status.has_value());
}

}  // namespace
}  // namespace gm::hid
