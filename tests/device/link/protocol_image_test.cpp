// The whole-image transfers of the editor: one block read or write of all 2048 bytes.

#include <algorithm>

#include "protocol_test_fixture.h"

namespace gm::device::test {
namespace {

using ImageTransfer = ProtocolTest;

TEST_F(ImageTransfer, WholeImageReadIs293ReportsWithProgress) {
    mouse.loadEeprom(patternedImage());
    image::Image buffer{};

    ASSERT_TRUE(protocol.readBlock(0, buffer, Progress::Shown));

    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x09, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00}}));
    EXPECT_EQ(dataReports().size(), 293u);
    EXPECT_EQ(buffer, mouse.eeprom());
    ASSERT_EQ(presenter.events.size(), 293u);
    EXPECT_EQ(presenter.events.front(), "show 0/293");
    EXPECT_EQ(presenter.events.back(), "show 292/293");
}

TEST_F(ImageTransfer, WrittenImageReadsBackUnchanged) {
    const image::Image written = patternedImage();
    ASSERT_TRUE(protocol.writeBlock(0, written));
    EXPECT_EQ(commands(), (std::vector<Bytes>{{0x40, 0x07, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00}}));
    EXPECT_EQ(dataReports().size(), 293u);

    image::Image read{};
    ASSERT_TRUE(protocol.readBlock(0, read, Progress::Shown));
    EXPECT_EQ(read, written);
}

}  // namespace
}  // namespace gm::device::test
