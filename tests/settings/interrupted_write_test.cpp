// A write cut off between a setting's bytes and its section's check byte: the next connection
// writes the check byte that fits what the mouse holds instead of rebuilding the section from
// defaults; a section that must still be rebuilt is first kept in a backup of the image as read.
#include <gtest/gtest.h>

#include <chrono>

#include "device/session/image_writes.h"
#include "device/session/write_journal.h"
#include "image/check_byte.h"
#include "image/factory_images.h"
#include "image/files/backup_store.h"
#include "settings/cpi_levels.h"
#include "settings/led_lighting.h"
#include "settings_rig.h"
#include "support/temp_folder.h"

namespace gm::settings {
namespace {

using device::session::testing::SessionRig;

image::Image factoryImage() {
    return image::factoryImageFor("4210A", 1);
}

// The text of the first message shown with this identifier; empty when none was.
std::string said(const SessionRig& run, std::string_view textId) {
    for (const device::Message& message : run.presenter.messages) {
        if (message.textId == textId)
            return message.text;
    }
    return {};
}

bool checkByteFits(const image::Image& eeprom, image::Area section) {
    return image::hasValidCheckByte(
        std::span<const std::uint8_t>(eeprom).subspan(section.offset, section.length));
}

// A virtual mouse on its own bus, as one run of a program sees it, with the journal and the
// backups in a folder every run shares.
struct ProgramRun : SessionRig {
    ProgramRun(const std::filesystem::path& folder, const image::Image& eeprom) {
        mouse.loadEeprom(eeprom);
        followImageReads(workspace);
        workspace.setJournalFile(folder / "write-journal");
        workspace.setBackupFolder(folder / "backups",
                                  [this] { return wallNow += std::chrono::seconds{1}; });
    }
    std::chrono::system_clock::time_point wallNow{std::chrono::hours{24 * 365 * 54}};
};

// The smallest report count after which the mouse leaving cuts `write` off between its data and
// the section's check byte; 0 when none does.
template <typename Write>
int cutBeforeCheckByte(const std::filesystem::path& folder, image::Area section, Write write) {
    for (int n = 1; n < 8; ++n) {
        ProgramRun run(folder, factoryImage());
        run.connect();
        run.mouse.vanishAfter(n);
        write(run.workspace);
        if (!checkByteFits(run.mouse.eeprom(), section))
            return n;
    }
    return 0;
}

struct CutOffSetting {
    const char* name;
    image::Area section;
    std::function<device::Result(device::Workspace&)> write;
    std::function<bool(const image::ImageModel&)> asked;
};

TEST(InterruptedWrite, TheNextConnectionKeepsWhatWasAskedWithAFittingCheckByte) {
    const CutOffSetting settings[] = {
        {"Vendor: CPI level count", image::kVendor,
         [](device::Workspace& w) { return setLevelCount(w, 4); },
         [](const image::ImageModel& m) { return cpiLevelsOf(m).count == 4; }},
        {"User: LED mode", image::kUser, [](device::Workspace& w) { return setLedMode(w, 3); },
         [](const image::ImageModel& m) { return ledOf(m).mode == 3; }},
    };
    for (const CutOffSetting& setting : settings) {
        SCOPED_TRACE(setting.name);
        gm::testing::TempFolder folder;
        const int n = cutBeforeCheckByte(folder.path(), setting.section, setting.write);
        ASSERT_GT(n, 0) << "no report count cuts the write before its check byte";

        // This run: the write fails, the journal keeps it; the mouse comes back.
        ProgramRun run(folder.path(), factoryImage());
        run.connect();
        run.mouse.vanishAfter(n);
        const device::Result cut = setting.write(run.workspace);
        EXPECT_EQ(cut.failure, device::Failure::DeviceLeft);
        ASSERT_FALSE(checkByteFits(run.mouse.eeprom(), setting.section));
        run.mouse.plugIn();
        run.session.poll();
        ASSERT_TRUE(run.session.hasDevice());
        EXPECT_TRUE(checkByteFits(run.mouse.eeprom(), setting.section));
        EXPECT_TRUE(setting.asked(run.model)) << "the section was rebuilt from defaults";
        EXPECT_NE(said(run, "gm.interrupted.completed").find("keeps the new settings"),
                  std::string::npos);
        EXPECT_TRUE(run.workspace.backups()->list().empty()) << "nothing was rebuilt";
    }
}

TEST(InterruptedWrite, AKeyTableBlockCutOffMidwayIsWrittenAgainWhole) {
    gm::testing::TempFolder folder;
    ProgramRun run(folder.path(), factoryImage());
    run.connect();
    // Every byte of the three profiles changes, so a cut block mixes old and new bytes.
    for (std::size_t i = 0; i < run.model.copies.profiles.size(); ++i)
        run.model.copies.profiles[i] ^= 0x01;
    device::session::setCheckBytes(run.model, image::kProfiles);
    const std::vector<std::uint8_t> asked(run.model.copies.profiles.begin(),
                                          run.model.copies.profiles.end());
    run.mouse.vanishAfter(1 + 10);  // the command and 10 of the 21 data reports
    EXPECT_FALSE(
        device::session::writeArea(run.workspace, image::kProfiles, device::Step::WriteProfiles));
    ASSERT_FALSE(checkByteFits(run.mouse.eeprom(), image::kProfile2));

    run.mouse.plugIn();
    run.session.poll();
    ASSERT_TRUE(run.session.hasDevice());
    // Profile1 arrived whole, Profile2 in part and is written again, Profile3 was never reached
    // and keeps what it held: each section holds what it held or what was asked.
    const image::Image held = run.mouse.eeprom();
    const std::size_t twoProfiles = image::kProfile3.offset - image::kProfiles.offset;
    EXPECT_TRUE(std::equal(asked.begin(), asked.begin() + twoProfiles,
                           held.begin() + image::kProfiles.offset));
    EXPECT_TRUE(checkByteFits(held, image::kProfile3));
    EXPECT_NE(said(run, "gm.interrupted.rewritten").find("Profile2"), std::string::npos);
    EXPECT_TRUE(run.workspace.backups()->list().empty()) << "nothing was rebuilt";
}

TEST(InterruptedWrite, ALaterRunOfAnyProgramRepairsFromTheJournalFile) {
    gm::testing::TempFolder folder;
    const auto write = [](device::Workspace& w) { return setLevelCount(w, 4); };
    const int n = cutBeforeCheckByte(folder.path(), image::kVendor, write);
    ASSERT_GT(n, 0);
    image::Image left;
    {
        ProgramRun first(folder.path(), factoryImage());
        first.connect();
        first.mouse.vanishAfter(n);
        EXPECT_FALSE(write(first.workspace));
        left = first.mouse.eeprom();
    }
    ASSERT_TRUE(std::filesystem::exists(folder / "write-journal"));

    ProgramRun second(folder.path(), left);
    second.session.poll();
    ASSERT_TRUE(second.session.hasDevice());
    EXPECT_TRUE(checkByteFits(second.mouse.eeprom(), image::kVendor));
    EXPECT_EQ(cpiLevelsOf(second.model).count, 4);
    EXPECT_TRUE(second.presenter.saw("gm.interrupted.completed"));
    // Repaired once: the entry is gone, a third run has nothing to say.
    ProgramRun third(folder.path(), second.mouse.eeprom());
    third.session.poll();
    EXPECT_TRUE(third.presenter.messages.empty());
}

TEST(InterruptedWrite, ACheckByteThatFitsNeitherKeepsTheImageAsReadBeforeTheRebuild) {
    gm::testing::TempFolder folder;
    image::Image eeprom = factoryImage();
    eeprom[image::kUser.offset + image::kUser.length - 1] ^= 0x5A;  // no write was cut off
    ProgramRun run(folder.path(), eeprom);
    run.session.poll();
    ASSERT_TRUE(run.session.hasDevice());

    const auto backups = run.workspace.backups()->list();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(run.workspace.backups()->load(1).image, eeprom) << "the image exactly as read";
    const std::string told = said(run, "gm.rebuilt.backup");
    EXPECT_NE(told.find("User"), std::string::npos) << told;
    EXPECT_NE(told.find("Backup 1"), std::string::npos) << told;
    EXPECT_EQ(told.find("Vendor"), std::string::npos) << "only the User section is rebuilt";
}

TEST(WriteJournalFile, EntriesSurviveAndAForeignFileIsIgnored) {
    gm::testing::TempFolder folder;
    gm::testing::PlainFileWriter files;
    const auto file = folder / "state" / "write-journal";  // the folder is made on the first save
    device::session::JournalEntry entry{image::ChipType::Chip4230A, image::kUser.offset,
                                        std::vector<std::uint8_t>(image::kUser.length, 0x11),
                                        std::vector<std::uint8_t>(image::kUser.length, 0x22)};
    {
        device::session::WriteJournal journal;
        journal.setFile(file, files);
        journal.begin(entry);
        EXPECT_EQ(journal.keep(image::kUser.offset), "");
    }
    device::session::WriteJournal later;
    later.setFile(file, files);
    EXPECT_TRUE(later.entriesFor(image::ChipType::Chip4210A).empty()) << "another chip's entry";
    const auto found = later.entriesFor(image::ChipType::Chip4230A);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].before, entry.before);
    EXPECT_EQ(found[0].asked, entry.asked);
    later.finish(image::kUser.offset);
    EXPECT_TRUE(later.entriesFor(image::ChipType::Chip4230A).empty());

    const auto foreign = folder.write("foreign", std::vector<std::uint8_t>{'x', '\n', '1'});
    device::session::WriteJournal strange;
    strange.setFile(foreign, files);
    EXPECT_TRUE(strange.entriesFor(image::ChipType::Chip4210A).empty());
}

}  // namespace
}  // namespace gm::settings
