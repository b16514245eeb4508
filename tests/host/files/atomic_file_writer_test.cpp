#include "host/files/atomic_file_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "support/temp_folder.h"

namespace gm::host {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Every name in the folder, so a test can tell that no temporary file was left behind.
std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Lowers the file size limit of this process while alive.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &previous_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
};

TEST(AtomicFileWriter, AWriteThatFailsPartWayLeavesTheOldFileAndNoTemporaryFile) {
    gm::testing::TempFolder temp;
    const Bytes old(100, 0x11);
    const auto target = temp.write("profile.bin", old);
    AtomicFileWriter files;
    std::string error;
    {
        FileSizeLimit limit(1000);
        error = files.write(target, Bytes(2048, 0x22));
    }
    EXPECT_NE(error.find("write failed"), std::string::npos) << error;
    EXPECT_NE(error.find("File too large"), std::string::npos)
        << "the real system error: " << error;
    EXPECT_EQ(contents(target), old);
    EXPECT_EQ(namesIn(temp.path()), std::vector<std::string>{"profile.bin"});
}

TEST(AtomicFileWriter, ReplacesTheFileKeepingItsPermissions) {
    gm::testing::TempFolder temp;
    const auto target = temp.write("profile.bin", Bytes(4, 0x01));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    AtomicFileWriter files;
    ASSERT_EQ(files.write(target, Bytes(2048, 0x33)), "");
    EXPECT_EQ(contents(target), Bytes(2048, 0x33));
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(namesIn(temp.path()), std::vector<std::string>{"profile.bin"});
}

TEST(AtomicFileWriter, WritesThroughASymbolicLinkToItsTarget) {
    gm::testing::TempFolder temp;
    fs::create_directory(temp / "real");
    const auto real = temp.write("real/profile.bin", Bytes(4, 0x01));
    fs::create_symlink(real, temp / "link.bin");
    AtomicFileWriter files;
    ASSERT_EQ(files.write(temp / "link.bin", Bytes(8, 0x44)), "");
    EXPECT_TRUE(fs::is_symlink(temp / "link.bin")) << "the link must stay a link";
    EXPECT_EQ(contents(real), Bytes(8, 0x44));
}

TEST(AtomicFileWriter, ConcurrentWritersDoNotCollide) {
    gm::testing::TempFolder temp;
    const auto target = temp / "shared.bin";
    std::vector<std::thread> writers;
    std::vector<std::string> errors(8);
    for (std::size_t i = 0; i < errors.size(); ++i) {
        writers.emplace_back([&, i] {
            AtomicFileWriter files;
            errors[i] = files.write(target, Bytes(4096, static_cast<std::uint8_t>(i)));
        });
    }
    for (auto& writer : writers)
        writer.join();
    for (const std::string& error : errors)
        EXPECT_EQ(error, "");
    // Whoever renamed last wins, whole: one writer's bytes, never a mix.
    const Bytes result = contents(target);
    ASSERT_EQ(result.size(), 4096u);
    EXPECT_TRUE(std::all_of(result.begin(), result.end(), [&](auto b) { return b == result[0]; }));
    EXPECT_EQ(namesIn(temp.path()), std::vector<std::string>{"shared.bin"});
}

TEST(AtomicFileWriter, AMissingFolderIsReportedWithTheSystemsReason) {
    gm::testing::TempFolder temp;
    AtomicFileWriter files;
    const std::string error = files.write(temp / "no" / "such" / "file.bin", Bytes(4, 0));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_EQ(error.find("Success"), std::string::npos) << error;
}

}  // namespace
}  // namespace gm::host
