#include "device/session/profile_transfer.h"

#include <gtest/gtest.h>

#include "image/factory_images.h"
#include "image/files/file_io.h"
#include "operations_rig.h"

namespace gm::device::session {
namespace {

using image::ChipType;
using testing::OperationsRig;

// Saves through the workspace; the path written, or empty.
std::filesystem::path save(OperationsRig& rig, const std::filesystem::path& chosen) {
    std::filesystem::path saved;
    saveProfile(rig.workspace, chosen, saved);
    return saved;
}

image::Image distinctImage() {
    image::Image image = image::factoryImage(ChipType::Chip4210A, 1);
    image[400] = 0x42;  // in the gap: no section check touches it
    return image;
}

TEST(ProfileTransfer, ASavedFileLoadsBackIntoTheSameMouseUnchanged) {
    OperationsRig rig;
    rig.mouse.loadEeprom(distinctImage());
    const auto saved = save(rig, rig.temp / "mine");
    ASSERT_EQ(saved, rig.temp / "mine.bin");
    const auto file = image::files::readFile(saved);
    ASSERT_TRUE(file.ok());
    EXPECT_TRUE(std::equal(file.bytes.begin(), file.bytes.end(), distinctImage().begin()));

    EXPECT_TRUE(loadProfile(rig.workspace, saved).ok());
    EXPECT_EQ(rig.mouse.eeprom(), distinctImage());
    EXPECT_EQ(rig.mouse.restartCount(), 1);
    EXPECT_EQ(rig.model.buffer, distinctImage());
    EXPECT_FALSE(rig.session.readBusy());
    EXPECT_TRUE(rig.session.pollEnabled());
}

TEST(ProfileTransfer, AFileForTheOtherChipIsRefusedUnlessAllowed) {
    OperationsRig rig(ChipType::Chip4230A);
    const image::Image before = rig.mouse.eeprom();
    const auto file = rig.temp / "4210A.bin";
    const image::Image other = image::factoryImage(ChipType::Chip4210A, 1);
    ASSERT_TRUE(rig.files.write(file, other).empty());
    rig.mouse.clearReports();

    const Result refused = loadProfile(rig.workspace, file);
    EXPECT_EQ(refused.failure, Failure::OtherChip);
    const std::string said = messageOf(refused).text;
    EXPECT_NE(said.find("4210A"), std::string::npos) << said;
    EXPECT_NE(said.find("4230A"), std::string::npos) << said;
    EXPECT_TRUE(rig.mouse.reports().empty());
    EXPECT_EQ(rig.mouse.eeprom(), before);
    EXPECT_TRUE(rig.backups().list().empty());

    EXPECT_TRUE(loadProfile(rig.workspace, file, OtherChip::Allowed).ok());
    EXPECT_EQ(rig.mouse.eeprom(), other);
    ASSERT_EQ(rig.backups().list().size(), 1u);
}

TEST(ProfileTransfer, SavingUnderANameEndingInBinDoesNotDoubleTheExtension) {
    OperationsRig rig;
    EXPECT_EQ(save(rig, rig.temp / "mine.bin"), rig.temp / "mine.bin");
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
        std::filesystem::path saved;
        const Result result = saveProfile(rig.workspace, rig.temp / "mine", saved);
        EXPECT_EQ(result.failure,
                  wholeRead ? Failure::CommandRefused : Failure::TransferIncomplete);
        EXPECT_EQ(result.step, Step::ReadImage);
        EXPECT_TRUE(saved.empty());
        EXPECT_FALSE(std::filesystem::exists(rig.temp / "mine.bin"));
    }
}

TEST(ProfileTransfer, AFileThatIsNoProfileIsRefusedWithItsReasonAndNothingChanges) {
    image::Image bad = distinctImage();
    bad[image::kMarkerOffset] = 0xE1;
    const struct {
        std::span<const std::uint8_t> bytes;
        const char* reason;
    } cases[] = {
        {bad, "bad.bin: byte 495 is 0xE1, not 0xE0"},
        {std::span(bad).first(10), "bad.bin holds only 10 bytes; a profile holds 2048"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        OperationsRig rig;
        const image::Image before = rig.mouse.eeprom();
        const Result result = loadProfile(rig.workspace, rig.writeFile("bad.bin", c.bytes));
        EXPECT_EQ(result.failure, Failure::BadMarker);
        EXPECT_EQ(messageOf(result).text, std::string("Loading .bin is error! (") + c.reason + ")");
        // The result is the one message: the caller shows it, nothing was shown on the way.
        EXPECT_TRUE(rig.presenter.messages.empty());
        EXPECT_EQ(rig.mouse.eeprom(), before);
        EXPECT_TRUE(rig.blockWrites().empty());
        EXPECT_EQ(rig.mouse.restartCount(), 0);
        EXPECT_TRUE(rig.backups().list().empty());
    }
}

TEST(ProfileTransfer, A4230AFileIsAcceptedByA4210AMouse) {
    OperationsRig rig(ChipType::Chip4210A);
    const image::Image other = image::factoryImage(ChipType::Chip4230A, 2);
    EXPECT_TRUE(loadProfile(rig.workspace, rig.writeFile("4230A.bin", other)).ok());
    EXPECT_EQ(rig.mouse.eeprom(), other);
}

TEST(ProfileTransfer, AShortFileKeepsTheBufferPastItsEndAndSaysSo) {
    OperationsRig rig;
    const image::Image before = rig.model.buffer;
    image::Image loaded = distinctImage();
    loaded[1000] = 0x99;
    const Result result =
        loadProfile(rig.workspace, rig.writeFile("short.bin", std::span(loaded).first(1000)));
    EXPECT_TRUE(result.ok());
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_NE(result.notes[0].text.find("holds only 1000 of 2048"), std::string::npos);
    const image::Image written = rig.mouse.eeprom();
    EXPECT_TRUE(std::equal(written.begin(), written.begin() + 1000, loaded.begin()));
    EXPECT_TRUE(std::equal(written.begin() + 1000, written.end(), before.begin() + 1000));
}

TEST(ProfileTransfer, EachLoadKeepsABackupOfTheImageItReplaced) {
    OperationsRig rig;
    const image::Image original = rig.mouse.eeprom();
    ASSERT_TRUE(loadProfile(rig.workspace, rig.writeFile("p.bin", distinctImage())).ok());
    ASSERT_EQ(rig.backups().list().size(), 1u);
    EXPECT_EQ(rig.backups().list()[0].reason, "load");
    EXPECT_EQ(rig.backups().load(1).image, original);

    // Restoring writes it back, keeping a backup of what it replaces in turn.
    EXPECT_TRUE(restoreBackup(rig.workspace, 1).ok());
    EXPECT_EQ(rig.mouse.eeprom(), original);
    EXPECT_EQ(rig.backups().list().size(), 2u);
    EXPECT_EQ(rig.backups().load(1).image, distinctImage());
    EXPECT_FALSE(rig.session.readBusy());
}

TEST(ProfileTransfer, AMissingBackupNumberIsExplained) {
    OperationsRig rig;
    const Result result = restoreBackup(rig.workspace, 3);
    EXPECT_EQ(result.failure, Failure::FileUnusable);
    EXPECT_NE(result.detail.find("no backup number 3"), std::string::npos);
    EXPECT_TRUE(rig.blockWrites().empty());
}

TEST(ProfileTransfer, NoBackupNoWrite) {
    OperationsRig rig;
    const auto blocker = rig.writeFile("blocker", std::vector<std::uint8_t>{0});
    rig.workspace.setBackupFolder(blocker / "backups");
    const Result result = loadProfile(rig.workspace, rig.writeFile("p.bin", distinctImage()));
    EXPECT_EQ(result.failure, Failure::BackupNotStored);
    EXPECT_NE(messageOf(result).text.find("nothing was written"), std::string::npos);
    EXPECT_TRUE(rig.blockWrites().empty());
    EXPECT_FALSE(rig.session.readBusy());
}

// The read busy flag is clear after every way a load can end.
TEST(ProfileTransfer, ReadBusyIsClearAfterEveryPath) {
    {
        OperationsRig rig(ChipType::Chip4210A, false);
        EXPECT_FALSE(loadProfile(rig.workspace, rig.writeFile("p.bin", distinctImage())).ok());
        EXPECT_TRUE(rig.presenter.saw("Str022"));
        EXPECT_FALSE(rig.session.readBusy());
        EXPECT_FALSE(restoreBackup(rig.workspace, 1).ok());
        EXPECT_FALSE(rig.session.readBusy());
    }
    {
        OperationsRig rig;
        const Result result = loadProfile(rig.workspace, rig.temp / "missing.bin");
        EXPECT_EQ(result.failure, Failure::FileUnusable);
        EXPECT_NE(result.detail.find("missing.bin"), std::string::npos);
        EXPECT_FALSE(rig.session.readBusy());
    }
    {
        OperationsRig rig;
        // The mouse restarts but never returns.
        rig.mouse.setRestartDelay(Micros{60'000'000});
        EXPECT_FALSE(loadProfile(rig.workspace, rig.writeFile("p.bin", distinctImage())).ok());
        EXPECT_FALSE(rig.session.readBusy());
    }
}

TEST(ProfileTransfer, WithoutADeviceNothingIsReadOrWritten) {
    OperationsRig rig(ChipType::Chip4210A, false);
    EXPECT_TRUE(save(rig, rig.temp / "x").empty());
    EXPECT_TRUE(rig.presenter.saw("Str022"));
    EXPECT_FALSE(std::filesystem::exists(rig.temp / "x.bin"));
    EXPECT_TRUE(rig.mouse.reports().empty());
}

}  // namespace
}  // namespace gm::device::session

namespace gm::device::session {
namespace {

using testing::OperationsRig;

image::Image otherImage() {
    image::Image image = image::factoryImage(image::ChipType::Chip4210A, 2);
    image[400] = 0x24;
    return image;
}

// A load whose write was cut short fails, naming the step and the refused reports, keeps the
// backup of what the mouse held, and restoring that backup puts it back byte for byte.
TEST(ProfileTransferFaults, AnInterruptedLoadFailsAndItsBackupRestoresTheMouse) {
    enum class Fault { FirstDataReport, MiddleDataReport, VanishInTheMiddle };
    for (const Fault fault :
         {Fault::FirstDataReport, Fault::MiddleDataReport, Fault::VanishInTheMiddle}) {
        OperationsRig rig;
        const image::Image original = rig.mouse.eeprom();
        const auto file = rig.writeFile("p.bin", otherImage());
        // The backup read takes 293 data reports; the write's come after them.
        constexpr int kBackupReports = 293;
        switch (fault) {
            case Fault::FirstDataReport:
                rig.mouse.refuseDataFrom(kBackupReports + 1);
                break;
            case Fault::MiddleDataReport:
                rig.mouse.refuseDataFrom(kBackupReports + 150);
                break;
            case Fault::VanishInTheMiddle:
                // The backup read's command and data reports, then the write's command and
                // 100 of its data reports.
                rig.mouse.vanishAfter(1 + kBackupReports + 1 + 100);
                break;
        }
        const Result result = loadProfile(rig.workspace, file);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.backup, std::optional<std::size_t>(1));
        ASSERT_EQ(rig.backups().list().size(), 1u);
        EXPECT_EQ(rig.backups().load(1).image, original);
        if (fault != Fault::VanishInTheMiddle) {
            EXPECT_EQ(result.failure, Failure::TransferIncomplete);
            EXPECT_EQ(result.step, Step::WriteImage);
            EXPECT_GT(result.refused, 0);
            EXPECT_NE(messageOf(result).text.find("backups restore 1"), std::string::npos);

            rig.mouse.clearFaults();
            ASSERT_TRUE(rig.session.searchForMouse().ok());
            const Result restored = restoreBackup(rig.workspace, 1);
            ASSERT_TRUE(restored.ok()) << messageOf(restored).text;
            EXPECT_EQ(rig.mouse.eeprom(), original);
        }
    }
}

TEST(ProfileTransferFaults, AReadBackThatDiffersNamesTheAreas) {
    OperationsRig rig;
    image::Image image = otherImage();
    const auto file = rig.writeFile("p.bin", image);
    // The mouse rewrites a macro byte of its own while it restarts: what is read back differs.
    bool rewritten = false;
    rig.presenter.onPump = [&] {
        if (rewritten || rig.mouse.restartCount() != 1)
            return;
        image::Image held = rig.mouse.eeprom();
        held[image::kMacro.offset + 3] ^= 0xFF;
        rig.mouse.loadEeprom(held);
        rewritten = true;
    };
    const Result result = loadProfile(rig.workspace, file);
    EXPECT_EQ(result.failure, Failure::ReadBackDiffers);
    EXPECT_EQ(result.detail, "Macro");
    EXPECT_EQ(result.backup, std::optional<std::size_t>(1));
}

TEST(ProfileTransferFaults, WithoutABackupFolderNothingIsWrittenUnlessBackupsAreSkipped) {
    OperationsRig rig;
    rig.workspace.setBackupPolicy(BackupPolicy::Skipped);
    const Result result = loadProfile(rig.workspace, rig.writeFile("p.bin", otherImage()));
    EXPECT_TRUE(result.ok());
    EXPECT_FALSE(result.backup.has_value());
    EXPECT_TRUE(rig.backups().list().empty());
    EXPECT_EQ(rig.mouse.eeprom(), otherImage());
}

TEST(ProfileTransferFaults, SaveRefusesAnEmptyNameAndAFolder) {
    OperationsRig rig;
    std::filesystem::path saved;
    EXPECT_EQ(saveProfile(rig.workspace, "", saved).failure, Failure::FileUnusable);
    std::filesystem::create_directory(rig.temp / "folder.bin");
    EXPECT_EQ(saveProfile(rig.workspace, rig.temp / "folder", saved).failure,
              Failure::FileUnusable);
    EXPECT_TRUE(rig.commands(command::kBlockRead).empty());
}

}  // namespace
}  // namespace gm::device::session
