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
