#include "device/session/profile_transfer.h"

#include <gtest/gtest.h>

#include "image/factory_images.h"
#include "image/files/file_io.h"
#include "operations_rig.h"

namespace gm::device::session {
namespace {

using image::ChipType;
using testing::OperationsRig;

image::Image distinctImage() {
    image::Image image = image::factoryImage(ChipType::Chip4210A, 1);
    image[400] = 0x42;  // in the gap: no section check touches it
    return image;
}

TEST(ProfileTransfer, ASavedFileLoadsBackIntoTheSameMouseUnchanged) {
    OperationsRig rig;
    rig.mouse.loadEeprom(distinctImage());
    const auto saved = saveProfile(rig.session, rig.temp / "mine");
    ASSERT_EQ(saved, rig.temp / "mine.bin");
    const auto file = image::files::readFile(saved);
    ASSERT_TRUE(file.ok());
    EXPECT_TRUE(std::equal(file.bytes.begin(), file.bytes.end(), distinctImage().begin()));

    EXPECT_TRUE(loadProfile(rig.session, saved));
    EXPECT_EQ(rig.mouse.eeprom(), distinctImage());
    EXPECT_EQ(rig.mouse.restartCount(), 1);
    EXPECT_EQ(rig.model.buffer, distinctImage());
    EXPECT_FALSE(rig.session.readBusy());
    EXPECT_TRUE(rig.session.pollEnabled());
}

TEST(ProfileTransfer, SavingUnderANameEndingInBinDoesNotDoubleTheExtension) {
    OperationsRig rig;
    EXPECT_EQ(saveProfile(rig.session, rig.temp / "mine.bin"), rig.temp / "mine.bin");
    EXPECT_FALSE(std::filesystem::exists(rig.temp / "mine.bin.bin"));
}

TEST(ProfileTransfer, SavesNothingWhenTheImageReadIsRefusedOrIncomplete) {
    for (const bool wholeRead : {true, false}) {
        OperationsRig rig;
        if (wholeRead) {
            rig.mouse.refuseCommands(true);
        } else {
            rig.mouse.refuseDataFrom(100);  // the mouse stops answering part way through
        }
        EXPECT_TRUE(saveProfile(rig.session, rig.temp / "mine").empty());
        EXPECT_FALSE(std::filesystem::exists(rig.temp / "mine.bin"));
        EXPECT_TRUE(rig.presenter.saw("was not written"));
    }
}

TEST(ProfileTransfer, AFileWithTheWrongMarkerIsRefusedAndNothingChanges) {
    OperationsRig rig;
    image::Image bad = distinctImage();
    bad[image::kMarkerOffset] = 0xE1;
    const image::Image before = rig.mouse.eeprom();
    EXPECT_FALSE(loadProfile(rig.session, rig.writeFile("bad.bin", bad)));
    EXPECT_TRUE(rig.presenter.saw("Loading .bin is error!"));
    EXPECT_EQ(rig.mouse.eeprom(), before);
    EXPECT_TRUE(rig.blockWrites().empty());
    EXPECT_EQ(rig.mouse.restartCount(), 0);
    EXPECT_TRUE(rig.backups.list().empty());
}

TEST(ProfileTransfer, A4230AFileIsAcceptedByA4210AMouse) {
    OperationsRig rig(ChipType::Chip4210A);
    const image::Image other = image::factoryImage(ChipType::Chip4230A, 2);
    EXPECT_TRUE(loadProfile(rig.session, rig.writeFile("4230A.bin", other)));
    EXPECT_EQ(rig.mouse.eeprom(), other);
}

TEST(ProfileTransfer, AShortFileKeepsTheBufferPastItsEndAndSaysSo) {
    OperationsRig rig;
    const image::Image before = rig.model.buffer;
    image::Image loaded = distinctImage();
    loaded[1000] = 0x99;
    EXPECT_TRUE(
        loadProfile(rig.session, rig.writeFile("short.bin", std::span(loaded).first(1000))));
    EXPECT_TRUE(rig.presenter.saw("holds only 1000 of 2048"));
    const image::Image written = rig.mouse.eeprom();
    EXPECT_TRUE(std::equal(written.begin(), written.begin() + 1000, loaded.begin()));
    EXPECT_TRUE(std::equal(written.begin() + 1000, written.end(), before.begin() + 1000));
}

TEST(ProfileTransfer, EachLoadKeepsABackupOfTheImageItReplaced) {
    OperationsRig rig;
    const image::Image original = rig.mouse.eeprom();
    ASSERT_TRUE(loadProfile(rig.session, rig.writeFile("p.bin", distinctImage())));
    ASSERT_EQ(rig.backups.list().size(), 1u);
    EXPECT_EQ(rig.backups.list()[0].reason, "load");
    EXPECT_EQ(rig.backups.load(1).image, original);

    // Restoring writes it back, keeping a backup of what it replaces in turn.
    EXPECT_TRUE(restoreBackup(rig.session, 1));
    EXPECT_EQ(rig.mouse.eeprom(), original);
    EXPECT_EQ(rig.backups.list().size(), 2u);
    EXPECT_EQ(rig.backups.load(1).image, distinctImage());
    EXPECT_FALSE(rig.session.readBusy());
}

TEST(ProfileTransfer, AMissingBackupNumberIsExplained) {
    OperationsRig rig;
    EXPECT_FALSE(restoreBackup(rig.session, 3));
    EXPECT_TRUE(rig.presenter.saw("no backup number 3"));
    EXPECT_TRUE(rig.blockWrites().empty());
}

TEST(ProfileTransfer, NoBackupNoWrite) {
    OperationsRig rig;
    const auto blocker = rig.writeFile("blocker", std::vector<std::uint8_t>{0});
    image::files::BackupStore unusable(blocker / "backups",
                                       [] { return std::chrono::system_clock::time_point{}; });
    rig.session.setBackupStore(&unusable);
    EXPECT_FALSE(loadProfile(rig.session, rig.writeFile("p.bin", distinctImage())));
    EXPECT_TRUE(rig.presenter.saw("nothing was written"));
    EXPECT_TRUE(rig.blockWrites().empty());
    EXPECT_FALSE(rig.session.readBusy());
}

// The read busy flag is clear after every way a load can end.
TEST(ProfileTransfer, ReadBusyIsClearAfterEveryPath) {
    {
        OperationsRig rig(ChipType::Chip4210A, false);
        EXPECT_FALSE(loadProfile(rig.session, rig.writeFile("p.bin", distinctImage())));
        EXPECT_TRUE(rig.presenter.saw("Str022"));
        EXPECT_FALSE(rig.session.readBusy());
        EXPECT_FALSE(restoreBackup(rig.session, 1));
        EXPECT_FALSE(rig.session.readBusy());
    }
    {
        OperationsRig rig;
        EXPECT_FALSE(loadProfile(rig.session, rig.temp / "missing.bin"));
        EXPECT_TRUE(rig.presenter.saw("missing.bin"));
        EXPECT_FALSE(rig.session.readBusy());
    }
    {
        OperationsRig rig;
        // The mouse restarts but never returns.
        rig.mouse.setRestartDelay(Micros{60'000'000});
        EXPECT_FALSE(loadProfile(rig.session, rig.writeFile("p.bin", distinctImage())));
        EXPECT_FALSE(rig.session.readBusy());
    }
}

TEST(ProfileTransfer, WithoutADeviceNothingIsReadOrWritten) {
    OperationsRig rig(ChipType::Chip4210A, false);
    EXPECT_TRUE(saveProfile(rig.session, rig.temp / "x").empty());
    EXPECT_TRUE(rig.presenter.saw("Str022"));
    EXPECT_FALSE(std::filesystem::exists(rig.temp / "x.bin"));
    EXPECT_TRUE(rig.mouse.reports().empty());
}

}  // namespace
}  // namespace gm::device::session
