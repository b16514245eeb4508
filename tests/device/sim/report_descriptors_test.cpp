#include "device/sim/report_descriptors.h"

#include <gtest/gtest.h>

#include "device/hid/report_descriptor.h"

namespace gm::sim {
namespace {

TEST(SimReportDescriptors, VendorCollectionHasEightByteFeaturesAndFourByteInput) {
    const auto parsed = hid::parseReportDescriptor(vendorReportDescriptor());
    ASSERT_TRUE(parsed.ok) << parsed.error;
    ASSERT_EQ(parsed.collections.size(), 1u);
    EXPECT_EQ(parsed.collections[0].usagePage, 0xFF00);
    EXPECT_EQ(parsed.collections[0].featureReportByteLength, 8);
    EXPECT_EQ(parsed.collections[0].inputReportByteLength, 4);
}

TEST(SimReportDescriptors, PointerAndKeyboardHaveNoEightByteFeature) {
    for (const auto& descriptor : {pointerReportDescriptor(), keyboardReportDescriptor()}) {
        const auto parsed = hid::parseReportDescriptor(descriptor);
        ASSERT_TRUE(parsed.ok) << parsed.error;
        EXPECT_FALSE(hid::findCollectionWithFeatureLength(parsed, 8).has_value());
        ASSERT_EQ(parsed.collections.size(), 1u);
        EXPECT_GT(parsed.collections[0].inputReportByteLength, 0);
    }
}

}  // namespace
}  // namespace gm::sim

namespace gm::sim {
namespace {

using hid::ReportType;

// Data bytes of each declared report, as "type:id=bytes" in declaration-map order.
std::vector<std::string> reportsOf(const std::vector<std::uint8_t>& descriptor) {
    const auto parsed = hid::parseReportDescriptor(descriptor);
    EXPECT_TRUE(parsed.ok) << parsed.error;
    std::vector<std::string> reports;
    for (const hid::DeclaredReport& report : parsed.reports) {
        const char* type = report.type == ReportType::Input    ? "in"
                           : report.type == ReportType::Output ? "out"
                                                               : "feature";
        reports.push_back(std::string(type) + ":" + std::to_string(report.id) + "=" +
                          std::to_string(report.dataBytes));
    }
    return reports;
}

TEST(SimReportDescriptors, OneInterfaceCarriesEveryCollectionWithReportIds) {
    const auto parsed = hid::parseReportDescriptor(singleInterfaceReportDescriptor());
    ASSERT_TRUE(parsed.ok) << parsed.error;
    ASSERT_EQ(parsed.collections.size(), 3u);
    EXPECT_EQ(parsed.collections[0].usage, 0x02);  // mouse
    EXPECT_EQ(parsed.collections[1].usage, 0x06);  // keyboard
    EXPECT_EQ(parsed.collections[2].usagePage, 0xFF00);
    EXPECT_EQ(reportsOf(singleInterfaceReportDescriptor()),
              (std::vector<std::string>{"in:1=4", "in:2=8", "in:66=3", "out:2=1", "feature:64=7",
                                        "feature:65=7"}));
}

TEST(SimReportDescriptors, TheSplitMouseDeclaresCommandsAndStatusOnDifferentInterfaces) {
    EXPECT_EQ(reportsOf(keyboardWithCommandReportsDescriptor()),
              (std::vector<std::string>{"in:1=8", "out:1=1", "feature:64=7", "feature:65=7"}));
    EXPECT_EQ(reportsOf(statusReportDescriptor()),
              (std::vector<std::string>{"in:66=3", "feature:67=7"}));
}

}  // namespace
}  // namespace gm::sim
