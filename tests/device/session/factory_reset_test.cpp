#include "device/session/factory_reset.h"

#include <gtest/gtest.h>

#include "image/check_byte.h"
#include "image/factory_images.h"
#include "image/section_defaults.h"
#include "operations_rig.h"

namespace gm::device::session {
namespace {

using image::ChipType;
using testing::OperationsRig;

image::Image scrambled(image::Image image) {
    for (std::size_t i = 0; i < image.size(); i += 3)
        image[i] ^= 0x5A;
    return image;
}

TEST(FactoryReset, Cfg2OnA4210AWritesTheSameBytesAsCfg1) {
    OperationsRig rig;
    rig.mouse.loadEeprom(scrambled(rig.mouse.eeprom()));
    ASSERT_TRUE(writeFactoryImage(rig.workspace, 1).ok());
    const image::Image afterCfg1 = rig.mouse.eeprom();
    rig.mouse.loadEeprom(scrambled(afterCfg1));
    ASSERT_TRUE(writeFactoryImage(rig.workspace, 2).ok());
    EXPECT_EQ(rig.mouse.eeprom(), afterCfg1);
    EXPECT_EQ(afterCfg1, image::factoryImage(ChipType::Chip4210A, 1));
    EXPECT_EQ(rig.mouse.restartCount(), 2);
    EXPECT_EQ(rig.model.buffer, afterCfg1);
    EXPECT_FALSE(rig.session.readBusy());
    EXPECT_TRUE(rig.session.pollEnabled());
}

TEST(FactoryReset, TheIdentifiedChipPicksItsOwnImage) {
    OperationsRig rig(ChipType::Chip4230A);
    ASSERT_TRUE(writeFactoryImage(rig.workspace, 3).ok());
    EXPECT_EQ(rig.mouse.eeprom(), image::factoryImage(ChipType::Chip4230A, 3));
}

TEST(FactoryReset, BeforeIdentificationThe4210AImageIsUsed) {
    OperationsRig rig(ChipType::Chip4230A, false);
    // The link is open but the chip was never identified.
    ASSERT_TRUE(rig.transport.openMouse(kMouseIdentity.vendorId, kMouseIdentity.productId).found);
    ASSERT_FALSE(rig.model.chip.has_value());
    writeFactoryImage(rig.workspace, 1);
    EXPECT_EQ(rig.mouse.eeprom(), image::factoryImage(ChipType::Chip4210A, 1));
}

TEST(FactoryReset, KeepsABackupOfTheImageItReplaces) {
    OperationsRig rig;
    const image::Image before = scrambled(rig.mouse.eeprom());
    rig.mouse.loadEeprom(before);
    ASSERT_TRUE(writeFactoryImage(rig.workspace, 1).ok());
    ASSERT_EQ(rig.backups().list().size(), 1u);
    EXPECT_EQ(rig.backups().list()[0].reason, "reset1");
    EXPECT_EQ(rig.backups().load(1).image, before);

    ASSERT_TRUE(rebuildEngineeringDefaults(rig.workspace).ok());
    ASSERT_EQ(rig.backups().list().size(), 2u);
    EXPECT_EQ(rig.backups().list()[0].reason, "rebuild");
    EXPECT_EQ(rig.backups().load(1).image, image::factoryImage(ChipType::Chip4210A, 1));
}

TEST(FactoryReset, AFailedBackupReadFallsBackToTheModelsBuffer) {
    OperationsRig rig;
    rig.model.buffer[400] = 0x77;
    rig.mouse.refuseDataFrom(100);  // the backup read loses its later chunks
    writeFactoryImage(rig.workspace, 1);
    ASSERT_EQ(rig.backups().list().size(), 1u);
    EXPECT_EQ(rig.backups().load(1).image[400], 0x77);
}

TEST(FactoryReset, WithoutADeviceOnlyTheMessageIsShown) {
    OperationsRig rig(ChipType::Chip4210A, false);
    EXPECT_FALSE(writeFactoryImage(rig.workspace, 1).ok());
    EXPECT_FALSE(rebuildEngineeringDefaults(rig.workspace).ok());
    EXPECT_EQ(rig.presenter.messages.size(), 2u);
    EXPECT_TRUE(rig.presenter.saw("Str022"));
    EXPECT_TRUE(rig.mouse.reports().empty());
    EXPECT_TRUE(rig.backups().list().empty());
    EXPECT_FALSE(rig.session.readBusy());
}

TEST(FactoryReset, AnUnknownConfigIsRefused) {
    OperationsRig rig;
    EXPECT_FALSE(writeFactoryImage(rig.workspace, 4).ok());
    EXPECT_TRUE(rig.blockWrites().empty());
}

TEST(EngineeringRebuild, RebuildsSectionsClearsMacrosAndKeepsPatchAndTail) {
    for (ChipType chip : {ChipType::Chip4210A, ChipType::Chip4230A}) {
        OperationsRig rig(chip);
        const image::Image before = rig.mouse.eeprom();
        const auto geometry = image::geometryOf(chip);
        ASSERT_TRUE(rebuildEngineeringDefaults(rig.workspace).ok());
        const image::Image after = rig.mouse.eeprom();

        for (image::Section section : image::kCheckedSections) {
            const auto area = image::areaOf(section);
            EXPECT_TRUE(
                image::hasValidCheckByte(std::span(after).subspan(area.offset, area.length)))
                << image::nameOf(section);
        }
        const auto fireKeys = image::fireKeyAreaDefaults();
        EXPECT_TRUE(
            std::equal(fireKeys.begin(), fireKeys.end(), after.begin() + image::kFireKeys.offset));
        EXPECT_TRUE(std::all_of(after.begin() + image::kMacro.offset,
                                after.begin() + image::kMacro.end(),
                                [](auto b) { return b == 0; }));
        // Reserved area, gap, patch header, patch code and tail travel unchanged.
        EXPECT_TRUE(std::equal(before.begin() + image::kReserved.offset,
                               before.begin() + image::kFireKeys.offset,
                               after.begin() + image::kReserved.offset));
        EXPECT_TRUE(std::equal(before.begin() + image::kPatchHeader.offset, before.end(),
                               after.begin() + image::kPatchHeader.offset))
            << image::chipText(chip);
        EXPECT_EQ(rig.blockWrites(), (std::vector<std::pair<int, int>>{{0, 2048}}));
        EXPECT_EQ(rig.mouse.restartCount(), 1);
        EXPECT_EQ(rig.model.copies.tail.size(), geometry.tailLength);
    }
}

}  // namespace
}  // namespace gm::device::session
