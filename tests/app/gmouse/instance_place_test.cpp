#include "app/gmouse/instance_place.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/temp_folder.h"

namespace gm::app {
namespace {

using Kind = PathFacts::Kind;
using gm::testing::TempFolder;

constexpr unsigned kUser = 1000;
constexpr unsigned kOther = 65534;

TEST(InstancePlace, OnlyAPrivateFolderOfTheUserAndOnlyItsOwnSocketAreUsed) {
    struct Case {
        PathFacts facts;
        bool privateFolder;
        SocketUse use;
        const char* what;
    };
    const Case cases[] = {
        {{Kind::Folder, kUser, 0700}, true, SocketUse::Replace, "the user's folder, mode 700"},
        {{Kind::Folder, kUser, 0710}, false, SocketUse::Replace, "the group may enter"},
        {{Kind::Folder, kUser, 0701}, false, SocketUse::Replace, "others may enter"},
        {{Kind::Folder, kOther, 0700}, false, SocketUse::Replace, "another user's folder"},
        {{Kind::Other, kUser, 0700}, false, SocketUse::Replace, "a file or a link"},
        {{Kind::Socket, kUser, 0755}, false, SocketUse::Connect, "the user's socket"},
        {{Kind::Socket, kOther, 0777}, false, SocketUse::Replace, "another user's socket"},
        {{Kind::Missing, 0, 0}, false, SocketUse::Create, "nothing"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isPrivateFolder(c.facts, kUser), c.privateFolder) << c.what;
        EXPECT_EQ(socketUse(c.facts, kUser), c.use) << c.what;
    }
}

class InstancePlaceFolders : public ::testing::Test {
protected:
    InstancePlaceFolders() {
        ::mkdir(runtime.c_str(), 0700);
        ::mkdir(tmp.c_str(), 01777);
    }
    InstancePlace find(const char* runtimeDir) const {
        return findInstancePlace(runtimeDir, tmp.c_str(), uid);
    }

    TempFolder temp;
    const unsigned uid = ::getuid();
    const std::string runtime = (temp / "run").string();
    const std::string tmp = (temp / "tmp").string();
    const std::string fallback = tmp + "/gmouse-" + std::to_string(uid);
};

TEST_F(InstancePlaceFolders, TheRuntimeFolderWhenPrivateElseAFolderMadeWithMode700) {
    EXPECT_EQ(find(runtime.c_str()).socketPath, runtime + "/gmouse.socket");

    ::chmod(runtime.c_str(), 0755);
    for (const char* runtimeDir : {runtime.c_str(), "run", static_cast<const char*>(nullptr)}) {
        const InstancePlace place = find(runtimeDir);
        EXPECT_EQ(place.socketPath, fallback + "/gmouse.socket");
        const PathFacts made = lookAt(fallback);
        EXPECT_EQ(made.kind, Kind::Folder);
        EXPECT_EQ(made.mode, 0700u);
    }
}

// Someone made the fallback folder's name first: the editor starts without a socket.
TEST_F(InstancePlaceFolders, AFallbackNameTakenByAFileIsNotUsed) {
    temp.write("tmp/gmouse-" + std::to_string(uid), {});
    const InstancePlace place = find(nullptr);
    EXPECT_EQ(place.socketPath, "");
    EXPECT_NE(place.problem.find(fallback + " is not a folder"), std::string::npos)
        << place.problem;
}

TEST_F(InstancePlaceFolders, AFileOrAnotherUsersSocketIsNeverConnectedTo) {
    const std::string path = find(runtime.c_str()).socketPath;
    temp.write("run/gmouse.socket", {});
    EXPECT_EQ(socketUse(lookAt(path), uid), SocketUse::Replace);

    ::unlink(path.c_str());
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    ASSERT_LT(path.size(), sizeof address.sun_path);
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(socketUse(lookAt(path), uid), SocketUse::Connect);

    if (uid != 0) {
        ::close(listening);
        GTEST_SKIP() << "giving the socket to another user needs root";
    }
    ASSERT_EQ(::chown(path.c_str(), kOther, kOther), 0);
    EXPECT_EQ(socketUse(lookAt(path), uid), SocketUse::Replace);
    ::close(listening);
}

TEST_F(InstancePlaceFolders, AnotherUsersFolderIsNotUsed) {
    if (uid != 0)
        GTEST_SKIP() << "making a folder another user's needs root";
    ::mkdir(fallback.c_str(), 0700);
    ASSERT_EQ(::chown(fallback.c_str(), kOther, kOther), 0);
    ::chown(runtime.c_str(), kOther, kOther);
    const InstancePlace place = find(runtime.c_str());
    EXPECT_EQ(place.socketPath, "");
    EXPECT_NE(place.problem.find("owner 65534, mode 700"), std::string::npos) << place.problem;
}

}  // namespace
}  // namespace gm::app
