#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "image/check_byte.h"
#include "image/factory_images.h"

namespace gm::image {
namespace {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string quoted(const std::string& arg) {
    std::string result = "'";
    for (const char c : arg)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

class ImageCommands : public testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("gm_image_e2e_" + std::to_string(random()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path file(const std::string& name) const { return folder_ / name; }

    RunResult run(const std::vector<std::string>& args) const {
        std::string command = quoted(GMOUSECTL_PATH);
        for (const std::string& arg : args)
            command.append(" ").append(quoted(arg));
        const fs::path out = folder_ / ".stdout";
        const fs::path err = folder_ / ".stderr";
        command.append(" >")
            .append(quoted(out.string()))
            .append(" 2>")
            .append(quoted(err.string()));
        RunResult result;
        const int raw = std::system(command.c_str());
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = readText(out);
        result.err = readText(err);
        fs::remove(out);
        fs::remove(err);
        return result;
    }

    fs::path writeImage(const std::string& name, const Image& image) const {
        std::ofstream(file(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), image.size());
        return file(name);
    }

    fs::path writeBytes(const std::string& name, std::size_t count) const {
        std::ofstream(file(name), std::ios::binary) << std::string(count, '\x5A');
        return file(name);
    }

    std::vector<std::uint8_t> readBytes(const fs::path& path) const {
        const std::string text = readText(path);
        return {text.begin(), text.end()};
    }

    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    fs::path folder_;
};

TEST_F(ImageCommands, NewWritesEachFactoryImage) {
    for (const ChipType chip : {ChipType::Chip4210A, ChipType::Chip4230A}) {
        for (int config = 1; config <= 3; ++config) {
            const std::string name = factoryImageName(chip, config) + ".bin";
            const RunResult r = run({"image", "new", "--chip", std::string(chipText(chip)),
                                     "--config", std::to_string(config), "-o", file(name)});
            ASSERT_EQ(r.status, 0) << r.err;
            const Image& expected = factoryImage(chip, config);
            EXPECT_EQ(readBytes(file(name)),
                      std::vector<std::uint8_t>(expected.begin(), expected.end()))
                << name;
        }
    }
}

TEST_F(ImageCommands, NewReplacesAFileWholeAndLeavesNoTemporary) {
    writeBytes("target.bin", 5000);
    const RunResult r =
        run({"image", "new", "--chip=4230A", "--config=3", "--output", file("target.bin")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readBytes(file("target.bin")).size(), 2048u);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"target.bin"});
}

TEST_F(ImageCommands, NewRefusesBadArgumentsAndWritesNothing) {
    const std::string out = file("x.bin").string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--chip", "4240A", "--config", "1", "-o", out}, "--chip must be 4210A or 4230A"},
        {{"--chip", "4210A", "--config", "0", "-o", out}, "--config must be 1, 2 or 3"},
        {{"--chip", "4210A", "--config", "12", "-o", out}, "--config must be 1, 2 or 3"},
        {{"--chip", "4210A", "--config", "1"}, "-o FILE is required"},
        {{"--config", "1", "-o", out}, "--chip 4210A|4230A is required"},
        {{"--chip", "4210A", "--config", "1", "-o", out, "--colour", "red"},
         "image new: unknown option --colour\n"},
        {{"--chip", "4210A", "--config", "1", "-o"}, "-o needs a value"},
        {{"--chip", "4210A", "--config", "1", "-o="}, "-o needs a value"},
        {{"--chip", "4210A", "--chip", "4230A", "--config", "1", "-o", out}, "--chip given twice"},
        {{"--chip", "4210A", "--config", "1", "-o", out, "--output", out},
         "-o or --output given twice"},
        {{"--chip", "4210A", "--config", "1", "-o", out, "extra"}, "unexpected argument"},
    };
    for (const auto& [args, message] : cases) {
        std::vector<std::string> full{"image", "new"};
        full.insert(full.end(), args.begin(), args.end());
        const RunResult r = run(full);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    EXPECT_TRUE(folderEntries().empty());
}

TEST_F(ImageCommands, NewIntoAMissingFolderFailsNamingThePath) {
    const std::string target = file("missing/x.bin").string();
    const RunResult r = run({"image", "new", "--chip", "4210A", "--config", "1", "-o", target});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(target), std::string::npos) << r.err;
}

TEST_F(ImageCommands, CheckPassesFactoryImages) {
    const auto path = writeImage("a.bin", factoryImage(ChipType::Chip4210A, 2));
    RunResult r = run({"image", "check", path});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out,
              "Vendor: ok\nUser: ok\nProfile1: ok\nProfile2: ok\nProfile3: ok\n"
              "Marker: ok (byte 495 = 0xE0)\n"
              "Patch checksum: ok (stored 0x5F63, computed 0x5F63 over 736 bytes, 4210A)\n");

    const auto other = writeImage("b.bin", factoryImage(ChipType::Chip4230A, 1));
    r = run({"image", "check", "--chip", "4230A", other});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("over 512 bytes, 4230A)"), std::string::npos) << r.out;
}

TEST_F(ImageCommands, CheckReportsEveryFaultAndFails) {
    Image image = factoryImage(ChipType::Chip4210A, 1);
    const std::uint8_t storedUser = image[191];
    image[170] ^= 0x10;  // a User byte: its check byte no longer fits
    const std::uint8_t expectedUser = checkByteOf(std::span(image).subspan(164, 27));
    image[495] = 0xE1;
    image[1024] ^= 0x01;  // patch code
    const RunResult r = run({"image", "check", writeImage("bad.bin", image)});
    EXPECT_EQ(r.status, 1);
    char userLine[64];
    std::snprintf(userLine, sizeof userLine, "User: bad (stored 0x%02X, expected 0x%02X)\n",
                  storedUser, expectedUser);
    EXPECT_NE(r.out.find(userLine), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Vendor: ok\n"), std::string::npos);
    EXPECT_NE(r.out.find("Marker: bad (byte 495 = 0xE1, expected 0xE0)"), std::string::npos);
    EXPECT_NE(r.out.find("Patch checksum: bad (stored 0x5F63, computed "), std::string::npos);
}

TEST_F(ImageCommands, CheckClampsAPatchLengthLongerThanTheArea) {
    Image image = factoryImage(ChipType::Chip4230A, 1);
    image[1010] = 0x04;  // length 0x0400 = 1024 > 512
    const RunResult r =
        run({"image", "check", writeImage("long-patch.bin", image), "--chip", "4230A"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("over the whole 512-byte patch area; header length 1024 is longer"),
              std::string::npos)
        << r.out;
}

TEST_F(ImageCommands, UnusableFilesAreNamedAndGiveStatus2) {
    writeBytes("empty.bin", 0);
    writeBytes("short.bin", 2047);
    writeBytes("long.bin", 2049);
    fs::create_directories(file("folder.bin"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing.bin", "no such file"},
        {"empty.bin", "0 bytes, not the 2048 bytes"},
        {"short.bin", "2047 bytes, not the 2048 bytes"},
        {"long.bin", "longer than the 2048 bytes"},
        {"folder.bin", "is a folder"},
    };
    for (const char* command : {"check", "show"}) {
        for (const auto& [name, message] : cases) {
            const RunResult r = run({"image", command, file(name)});
            EXPECT_EQ(r.status, 2) << command << " " << name;
            EXPECT_NE(r.err.find(file(name).string() + ": " + message), std::string::npos) << r.err;
            EXPECT_TRUE(r.out.empty()) << r.out;
        }
    }
    EXPECT_EQ(run({"image", "check"}).status, 2);
    EXPECT_EQ(run({"image", "check", file("short.bin"), "--chip", "4220A"}).status, 2);
}

TEST_F(ImageCommands, CheckAndShowRefuseOptionsTheyDoNotTake) {
    const auto path = writeImage("a.bin", factoryImage(ChipType::Chip4210A, 1));
    for (const char* command : {"check", "show"}) {
        RunResult r = run({"image", command, path, "--config", "1"});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "gmousectl image " + std::string(command) + ": unknown option --config\n");
        EXPECT_TRUE(r.out.empty()) << r.out;
        r = run({"image", command, path, "--chip"});
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("--chip needs a value"), std::string::npos) << r.err;
        r = run({"image", command, path, path});
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("give exactly one FILE"), std::string::npos) << r.err;
    }
}

TEST_F(ImageCommands, ShowDescribesAFactoryImage) {
    RunResult r = run({"image", "show", writeImage("a.bin", factoryImage(ChipType::Chip4210A, 1))});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* line : {
             "Chip: 4210A (patch length 736)\n",
             "USB ids: vendor 7A3E, product 08B8\n",
             "Product text: \"HID Gaming Mouse\"\n",
             "Report rate: 1000 Hz\n",
             "CPI levels: 6 in use, current level 2\n",
             "  level 1: 800 CPI, colour FF0000\n",
             "  level 6: 6400 CPI, colour FF00FF\n",
             "  level 7: 200 CPI, colour 8000FF (not in use)\n",
             "  Profile3: 01010000 01080002 0692003C 01020000 01100000 02080700 01040000 09000000 "
             "08000000 00000000 00000000 00000000\n",
             "  Combo keys: 00000000 0E000000 00000000 07D1F018 ",
             "Check bytes: all ok\n",
         }) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    }
    r = run({"image", "show", writeImage("b.bin", factoryImage(ChipType::Chip4230A, 3))});
    EXPECT_NE(r.out.find("Chip: 4230A (patch length 512)\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  Profile2: 1006A0FF "), std::string::npos) << r.out;
}

TEST_F(ImageCommands, ShowDecodesUnusualValues) {
    Image image = factoryImage(ChipType::Chip4210A, 1);
    image[1010] = 0x00;
    image[1011] = 0x64;     // patch length 100: no chip of its own
    image[4] = 0x9F;        // report rate bits 01: 250 Hz
    image[44] = 0x6C;       // level 1 index 12: not a listed value
    image[166] = 0x09;      // current level out of range
    image[111 + 3] = 0x00;  // product text ends early
    image[170] ^= 0x01;     // User check byte now wrong
    const auto path = writeImage("odd.bin", image);
    RunResult r = run({"image", "show", path});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* line :
         {"Chip: unknown (patch length 100)\n", "Report rate: 250 Hz\n",
          "level 1: index 12 (no such value)", "current level invalid (User 2 = 09)",
          "Product text: \"HID\"\n", "Check bytes: wrong in Vendor, User (see image check)\n"}) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    }
    r = run({"image", "show", path, "--chip", "4230A"});
    EXPECT_NE(r.out.find("Chip: 4230A (from --chip; patch length 100)\n"), std::string::npos)
        << r.out;
}

TEST_F(ImageCommands, EveryCommandHasHelp) {
    for (const char* command : {"new", "check", "show"}) {
        const RunResult r = run({"image", command, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind(std::string("usage: gmousectl image ") + command, 0), 0u) << r.out;
    }
    // The group word lists its subcommands: as help on standard output, or with the refusal of
    // a missing or unknown subcommand on standard error.
    const RunResult help = run({"image", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: gmousectl image SUBCOMMAND", 0), 0u) << help.out;
    for (const char* line : {"\n  image new --chip", "\n  image check FILE", "\n  image show FILE"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line << "\n" << help.out;
    const RunResult bare = run({"image"});
    EXPECT_EQ(bare.status, 2);
    EXPECT_EQ(bare.err.rfind("gmousectl: image needs a subcommand\n", 0), 0u) << bare.err;
    EXPECT_NE(bare.err.find("\n  image show FILE"), std::string::npos) << bare.err;
    const RunResult unknown = run({"image", "shwo", "a.bin"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("gmousectl: unknown image subcommand 'shwo'\n", 0), 0u)
        << unknown.err;
    EXPECT_TRUE(unknown.out.empty());
}

}  // namespace
}  // namespace gm::image
