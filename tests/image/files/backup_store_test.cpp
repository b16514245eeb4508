#include "image/files/backup_store.h"

#include <gtest/gtest.h>

#include "image/echoed_text.h"
#include "support/plain_file_writer.h"
#include "support/temp_folder.h"

namespace gm::image::files {
namespace {

using namespace std::chrono;
using gm::testing::PlainFileWriter;
using gm::testing::TempFolder;

// 2024-05-01 12:30:05.123 UTC, advanced by the test as it likes.
struct FakeWallClock {
    system_clock::time_point now =
        sys_days{year{2024} / 5 / 1} + hours{12} + minutes{30} + seconds{5} + milliseconds{123};
    WallClock source() {
        return [this] { return now; };
    }
};

Image imageFilledWith(std::uint8_t value) {
    Image image;
    image.fill(value);
    return image;
}

TEST(BackupStore, ListsNewestFirstAndLoadsByNumber) {
    TempFolder temp;
    FakeWallClock clock;
    PlainFileWriter files;
    BackupStore store(temp.path() / "backups", clock.source(), files);
    ASSERT_TRUE(store.store(imageFilledWith(1), "reset1").ok());
    clock.now += hours{30};  // the next day: names sort by date, not by time of day alone
    ASSERT_TRUE(store.store(imageFilledWith(2), "load").ok());
    clock.now += seconds{1};
    ASSERT_TRUE(store.store(imageFilledWith(3), "restore").ok());

    const auto entries = store.list();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].reason, "restore");
    EXPECT_EQ(entries[1].reason, "load");
    EXPECT_EQ(entries[2].reason, "reset1");
    EXPECT_EQ(entries[2].stamp, "2024-05-01 12:30:05.123 UTC");
    EXPECT_EQ(entries[1].stamp, "2024-05-02 18:30:05.123 UTC");

    EXPECT_EQ(store.load(1).image, imageFilledWith(3));
    EXPECT_EQ(store.load(3).image, imageFilledWith(1));
}

TEST(BackupStore, BackupsInTheSameMillisecondAreAllKeptInOrder) {
    TempFolder temp;
    FakeWallClock clock;
    PlainFileWriter files;
    BackupStore store(temp.path(), clock.source(), files);
    for (std::uint8_t i = 0; i < 12; ++i)
        ASSERT_TRUE(store.store(imageFilledWith(i), "x").ok());
    ASSERT_EQ(store.list().size(), 12u);
    EXPECT_EQ(store.load(1).image, imageFilledWith(11));
    EXPECT_EQ(store.load(12).image, imageFilledWith(0));
}

TEST(BackupStore, IgnoresForeignFilesAndCleansTheReason) {
    TempFolder temp;
    FakeWallClock clock;
    PlainFileWriter files;
    BackupStore store(temp.path(), clock.source(), files);
    const Image image = imageFilledWith(7);
    temp.write("notes.bin", image);
    temp.write("backup-2024-not-a-backup.bin", image);
    const auto stored = store.store(image, "../../etc/passwd");
    ASSERT_TRUE(stored.ok());
    EXPECT_EQ(stored.path.parent_path(), temp.path());
    const auto entries = store.list();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].reason, "etcpasswd");
}

TEST(BackupStore, RefusesMissingNumbersAndDamagedFiles) {
    TempFolder temp;
    FakeWallClock clock;
    PlainFileWriter files;
    BackupStore store(temp.path(), clock.source(), files);
    EXPECT_FALSE(store.load(1).ok());
    const auto stored = store.store(imageFilledWith(9), "load");
    ASSERT_TRUE(stored.ok());
    EXPECT_FALSE(store.load(0).ok());
    EXPECT_FALSE(store.load(2).ok());

    std::filesystem::resize_file(stored.path, 1000);
    const auto shortLoad = store.load(1);
    EXPECT_FALSE(shortLoad.ok());
    EXPECT_NE(shortLoad.error.find("1000"), std::string::npos) << shortLoad.error;
}

TEST(BackupStore, ReportsAFolderThatCannotBeMade) {
    TempFolder temp;
    FakeWallClock clock;
    PlainFileWriter files;
    const auto blocker = temp.write("file", std::vector<std::uint8_t>{1});
    BackupStore store(blocker / "backups", clock.source(), files);
    const auto stored = store.store(imageFilledWith(1), "reset1");
    EXPECT_FALSE(stored.ok());
    EXPECT_NE(stored.error.find("backup folder"), std::string::npos) << stored.error;
    EXPECT_TRUE(store.list().empty());
}

TEST(BackupStore, AFailedWriteIsReportedAndListsNothing) {
    TempFolder temp;
    FakeWallClock clock;
    PlainFileWriter files;
    files.failWith("disk full");
    BackupStore store(temp.path(), clock.source(), files);
    const auto stored = store.store(imageFilledWith(4), "load");
    EXPECT_FALSE(stored.ok());
    EXPECT_NE(stored.error.find("disk full"), std::string::npos) << stored.error;
    ASSERT_EQ(files.attempts.size(), 1u);
    EXPECT_EQ(files.attempts[0], stored.path) << "the backup goes through the writer it was given";
    EXPECT_TRUE(store.list().empty());
}

TEST(BackupStore, ListingTellsAFolderThatIsNoFolderFromAnEmptyOne) {
    TempFolder temp;
    FakeWallClock clock;
    PlainFileWriter files;
    std::string error = "stale";
    EXPECT_TRUE(BackupStore(temp.path() / "not-yet", clock.source(), files).list(error).empty());
    EXPECT_EQ(error, "") << "a folder not made yet holds no backups";

    const auto file = temp.write("file", std::vector<std::uint8_t>{1});
    EXPECT_TRUE(BackupStore(file, clock.source(), files).list(error).empty());
    EXPECT_EQ(error, echoed(file.string()) + ": is not a folder");
}

}  // namespace
}  // namespace gm::image::files
