// Every operation that keeps a backup keeps it before its first write: the backup is the image
// the mouse held before the operation, byte for byte, so restoring it undoes the operation.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "device/session/factory_reset.h"
#include "device/session/profile_transfer.h"
#include "image/check_byte.h"
#include "image/factory_images.h"
#include "image/files/backup_store.h"
#include "settings/led_lighting.h"
#include "settings_rig.h"
#include "support/temp_folder.h"

namespace gm::settings {
namespace {

// The mouse holds an image of its own (distinct CPI values and LED byte, right check bytes),
// so a backup taken after a first write differs from it.
struct BackupRig : testing::SettingsRig {
    BackupRig() {
        workspace.setBackupFolder(temp / "backups",
                                  [this] { return wallNow += std::chrono::seconds{1}; });
        image::Image eeprom = mouse.eeprom();
        eeprom[image::kVendor.offset + 20] ^= 0x11;
        eeprom[image::kUser.offset + 1] = 0x42;  // Sync LED
        for (image::Section section : {image::Section::Vendor, image::Section::User}) {
            const image::Area area = image::areaOf(section);
            image::setCheckByte(std::span<std::uint8_t>(eeprom).subspan(area.offset, area.length));
        }
        mouse.loadEeprom(eeprom);
        EXPECT_TRUE(session.readWholeImage());
    }
    gm::testing::TempFolder temp;
    std::chrono::system_clock::time_point wallNow{std::chrono::hours{24 * 365 * 54}};
};

TEST(BackupFirst, EveryBackupHoldsTheImageBeforeTheOperation) {
    using Operation = std::function<device::Result(BackupRig&)>;
    const std::pair<const char*, Operation> operations[] = {
        {"LED type", [](BackupRig& r) { return setLedType(r.workspace, LedType::Rgb); }},
        {"engineering rebuild",
         [](BackupRig& r) { return device::session::rebuildEngineeringDefaults(r.workspace); }},
        {"factory reset",
         [](BackupRig& r) { return device::session::writeFactoryImage(r.workspace, 2); }},
        {"profile load",
         [](BackupRig& r) {
             image::Image file = image::factoryImageFor("4210A", 3);
             return device::session::loadProfile(r.workspace, r.temp.write("p.bin", file));
         }},
        {"backup restore",
         [](BackupRig& r) {
             r.workspace.backups()->store(image::factoryImageFor("4210A", 1), "older");
             return device::session::restoreBackup(r.workspace, 1);
         }},
    };
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        BackupRig rig;
        const image::Image before = rig.mouse.eeprom();
        const device::Result result = operation(rig);
        ASSERT_TRUE(result.ok()) << device::messageOf(result).text;
        ASSERT_EQ(result.backup, std::optional<std::size_t>(1));
        EXPECT_EQ(rig.workspace.backups()->load(1).image, before);
        EXPECT_NE(rig.mouse.eeprom(), before) << "the operation changed nothing";
    }
}

TEST(BackupFirst, ALedTypeWriteCutOffSaysWhatWasDoneAndWhereTheOldImageIs) {
    BackupRig rig;
    const image::Image before = rig.mouse.eeprom();
    // The backup read (command and 293 data reports), the LED type and its check byte, then the
    // LED mode's report is refused.
    rig.mouse.vanishAfter(1 + 293 + 2);
    const device::Result result = setLedType(rig.workspace, LedType::Rgb);
    EXPECT_EQ(result.failure, device::Failure::DeviceLeft);
    EXPECT_EQ(result.step, device::Step::WriteLedMode);
    EXPECT_EQ(result.completed, std::vector<device::Step>{device::Step::WriteLedType});
    const std::string said = device::messageOf(result).text;
    EXPECT_NE(said.find("left the bus while writing the LED mode"), std::string::npos) << said;
    EXPECT_NE(said.find("Done before it: writing the LED type."), std::string::npos) << said;
    EXPECT_NE(said.find("Backup 1 holds the image it had before"), std::string::npos) << said;
    EXPECT_EQ(rig.workspace.backups()->load(1).image, before);
}

}  // namespace
}  // namespace gm::settings
