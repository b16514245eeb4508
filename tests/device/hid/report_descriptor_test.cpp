#include "device/hid/report_descriptor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "sample_descriptors.h"

namespace gm::hid {
namespace {

using Bytes = std::vector<std::uint8_t>;

void expectCaps(const CollectionCaps& caps, std::uint16_t page, std::uint16_t usage,
                std::uint16_t input, std::uint16_t output, std::uint16_t feature) {
    EXPECT_EQ(caps.usagePage, page);
    EXPECT_EQ(caps.usage, usage);
    EXPECT_EQ(caps.inputReportByteLength, input);
    EXPECT_EQ(caps.outputReportByteLength, output);
    EXPECT_EQ(caps.featureReportByteLength, feature);
}

// Wraps report items in one vendor application collection.
Bytes inVendorCollection(const Bytes& items) {
    const Bytes header = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01};
    Bytes bytes;
    bytes.reserve(header.size() + items.size() + 1);
    bytes.insert(bytes.end(), header.begin(), header.end());
    bytes.insert(bytes.end(), items.begin(), items.end());
    bytes.push_back(0xC0);
    return bytes;
}

TEST(ReportDescriptor, DevicesWithoutReportIdsCountTheIdByteAnyway) {
    const auto mouse = parseReportDescriptor(samples::kWheelMouse);
    ASSERT_TRUE(mouse.ok) << mouse.error;
    ASSERT_EQ(mouse.collections.size(), 1u);  // the nested Physical collection is not top-level
    expectCaps(mouse.collections[0], 0x01, 0x02, 5, 0, 0);

    const auto keyboard = parseReportDescriptor(samples::kKeyboard);
    ASSERT_TRUE(keyboard.ok) << keyboard.error;
    ASSERT_EQ(keyboard.collections.size(), 1u);
    expectCaps(keyboard.collections[0], 0x01, 0x06, 9, 2, 0);
}

TEST(ReportDescriptor, GamingMouseCollectionsAndTheConfigurationInterface) {
    const auto parsed = parseReportDescriptor(samples::kGamingMouse);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    ASSERT_EQ(parsed.collections.size(), 5u);
    // The mouse's input report is 7 bytes only when Pop restored the 8-bit size, 1 count.
    expectCaps(parsed.collections[0], 0x01, 0x02, 8, 0, 0);
    expectCaps(parsed.collections[1], 0x01, 0x06, 9, 2, 0);
    expectCaps(parsed.collections[2], 0x0C, 0x01, 3, 0, 0);
    expectCaps(parsed.collections[3], 0xFF00, 0x01, 33, 33, 64);  // longest feature wins
    expectCaps(parsed.collections[4], 0xFF02, 0x02, 4, 0, 8);

    const auto config = findCollectionWithFeatureLength(parsed, 8);
    ASSERT_TRUE(config.has_value());
    EXPECT_EQ(config->usagePage, 0xFF02);
    EXPECT_FALSE(findCollectionWithFeatureLength(parsed, 9).has_value());
}

TEST(ReportDescriptor, EachDeclaredReportWithItsTypeIdLengthAndCollection) {
    const auto parsed = parseReportDescriptor(samples::kGamingMouse);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const auto command = findReport(parsed, ReportType::Feature, 0x40);
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(command->dataBytes, 7u);
    EXPECT_EQ(command->collection, 4u);
    const auto status = findReport(parsed, ReportType::Input, 0x42);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->dataBytes, 3u);
    // Bits add up across items: 5 + 3 + 2 x 16 + 8 + 8 bits of the mouse report.
    EXPECT_EQ(findReport(parsed, ReportType::Input, 0x01)->dataBytes, 7u);
    EXPECT_EQ(findReport(parsed, ReportType::Output, 0x02)->dataBytes, 1u);
    // The same id of another type, or an id no report has, is not declared.
    EXPECT_FALSE(findReport(parsed, ReportType::Feature, 0x42).has_value());
    EXPECT_FALSE(findReport(parsed, ReportType::Input, 0x40).has_value());
    EXPECT_FALSE(findReport(parsed, ReportType::Feature, 0x09).has_value());
    EXPECT_EQ(parsed.reports.size(), 11u);  // 5 input, 2 output, 4 feature

    EXPECT_FALSE(
        findReport(parseReportDescriptor(Bytes{0x05, 0x01, 0xA1}), ReportType::Feature, 0x40)
            .has_value())
        << "a broken descriptor declares nothing";
}

TEST(ReportDescriptor, ItemsThatOnlyLookLikeStructure) {
    // A long item whose data bytes would read as End Collection is skipped whole.
    Bytes withLongItem = samples::kWheelMouse;
    withLongItem.insert(withLongItem.begin() + 6, {0xFE, 0x03, 0x00, 0xC0, 0xC0, 0xC0});
    const auto longItem = parseReportDescriptor(withLongItem);
    ASSERT_TRUE(longItem.ok) << longItem.error;
    EXPECT_EQ(longItem.collections[0].inputReportByteLength, 5);

    // A 4-byte usage carries its own page; the current usage page stays Generic Desktop.
    const Bytes extended = {0x05, 0x01, 0x0B, 0x01, 0x00, 0x00, 0xFF, 0xA1,
                            0x01, 0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0xC0};
    const auto parsed = parseReportDescriptor(extended);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    expectCaps(parsed.collections[0], 0xFF00, 0x01, 0, 0, 8);
}

TEST(ReportDescriptor, ReportsSplitAcrossItemsAddUpPerId) {
    // Feature 0x40 in two pieces (3 + 4 bytes), feature 0x41 in one: both 7 bytes.
    const auto parsed = parseReportDescriptor(
        inVendorCollection({0x75, 0x08, 0x85, 0x40, 0x95, 0x03, 0xB1, 0x02, 0x85, 0x41,
                            0x95, 0x07, 0xB1, 0x02, 0x85, 0x40, 0x95, 0x04, 0xB1, 0x02}));
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.collections[0].featureReportByteLength, 8);

    // Bits round up to whole bytes: 9 bits take 2 bytes.
    const auto bits =
        parseReportDescriptor(inVendorCollection({0x75, 0x09, 0x95, 0x01, 0x81, 0x02}));
    ASSERT_TRUE(bits.ok) << bits.error;
    EXPECT_EQ(bits.collections[0].inputReportByteLength, 3);
}

TEST(ReportDescriptor, LongestAcceptedReportAndOneBitMore) {
    // 8 bits x 16384 is the limit; a further bit in the same report is refused.
    const Bytes atLimit = {0x75, 0x08, 0x96, 0x00, 0x40, 0x81, 0x02};
    const auto ok = parseReportDescriptor(inVendorCollection(atLimit));
    ASSERT_TRUE(ok.ok) << ok.error;
    EXPECT_EQ(ok.collections[0].inputReportByteLength, 16385);

    Bytes overLimit = atLimit;
    overLimit.insert(overLimit.end(), {0x75, 0x01, 0x95, 0x01, 0x81, 0x02});
    const auto over = parseReportDescriptor(inVendorCollection(overLimit));
    EXPECT_FALSE(over.ok);
    EXPECT_NE(over.error.find("longer than"), std::string::npos) << over.error;

    // Size and count near 2^32 must not wrap around into a small length.
    const auto huge = parseReportDescriptor(inVendorCollection(
        {0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02}));
    EXPECT_FALSE(huge.ok);
}

struct Malformed {
    const char* name;
    Bytes bytes;
    const char* errorPart;
};

class MalformedDescriptor : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedDescriptor, IsRejectedWithAReason) {
    const auto parsed = parseReportDescriptor(GetParam().bytes);
    EXPECT_FALSE(parsed.ok);
    EXPECT_TRUE(parsed.collections.empty());
    EXPECT_NE(parsed.error.find(GetParam().errorPart), std::string::npos) << parsed.error;
    EXPECT_FALSE(findCollectionWithFeatureLength(parsed, 0).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    ReportDescriptor, MalformedDescriptor,
    ::testing::Values(
        Malformed{"Empty", {}, "empty"},
        Malformed{"TruncatedShortItem", {0x05, 0x01, 0x09}, "byte 2"},
        Malformed{"TruncatedFourByteItem", {0x05, 0x01, 0x0B, 0x01, 0x00}, "needs 4"},
        Malformed{"TruncatedLongItemHeader", {0x05, 0x01, 0xFE, 0x05}, "long item"},
        Malformed{"TruncatedLongItemData", {0xFE, 0x05, 0x00, 0x01, 0x02}, "needs 5"},
        Malformed{"EndWithoutCollection", {0x05, 0x01, 0xC0}, "End Collection"},
        Malformed{"CollectionNotClosed",
                  {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xA1, 0x00, 0xC0},
                  "not closed"},
        Malformed{"PopWithoutPush", {0xA4, 0xB4, 0xB4}, "Pop"},
        Malformed{"PushTooDeep", Bytes(17, 0xA4), "nested deeper"},
        Malformed{"NoCollection", {0x05, 0x01, 0x09, 0x02}, "no collection"},
        Malformed{"ReportOutsideCollection", {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}, "outside"},
        Malformed{"ReportIdZero", inVendorCollection({0x85, 0x00}), "report id 0"},
        Malformed{"ReportIdTooLarge", inVendorCollection({0x86, 0x00, 0x01}), "report id 256"},
        Malformed{"UsagePageTooLarge", {0x07, 0x00, 0x00, 0x01, 0x00}, "usage page"},
        Malformed{"UnknownMainItem", inVendorCollection({0xD0}), "main item"},
        Malformed{"UnknownGlobalItem", {0xF4}, "global item"},
        Malformed{"MixedReportIds",
                  inVendorCollection({0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x85, 0x01, 0x81, 0x02}),
                  "report id and others"},
        Malformed{
            "ReportIdInTwoCollections",
            [] {
                Bytes b = inVendorCollection({0x85, 0x40, 0x75, 0x08, 0x95, 0x07, 0xB1, 0x02});
                const Bytes again = b;
                b.insert(b.end(), again.begin(), again.end());
                return b;
            }(),
            "two top-level collections"}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace gm::hid
