#include "app/gmouse/instance_place.h"

#include <sys/stat.h>

#include <cstdio>

namespace gm::app {

namespace {

constexpr const char* kSocketName = "/gmouse.socket";
constexpr unsigned kGroupAndOthers = 077;

bool absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string describe(const std::string& path, const PathFacts& facts) {
    if (facts.kind == PathFacts::Kind::Missing)
        return path + " could not be made";
    if (facts.kind != PathFacts::Kind::Folder)
        return path + " is not a folder";
    char mode[8];
    std::snprintf(mode, sizeof mode, "%03o", facts.mode);
    std::string text = path;
    text.append(" is not a private folder of this user (owner ")
        .append(std::to_string(facts.owner))
        .append(", mode ")
        .append(mode)
        .append(")");
    return text;
}

}  // namespace

PathFacts lookAt(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return {};
    PathFacts facts;
    if (S_ISDIR(info.st_mode))
        facts.kind = PathFacts::Kind::Folder;
    else if (S_ISSOCK(info.st_mode))
        facts.kind = PathFacts::Kind::Socket;
    else
        facts.kind = PathFacts::Kind::Other;
    facts.owner = info.st_uid;
    facts.mode = info.st_mode & 07777;
    return facts;
}

bool isPrivateFolder(const PathFacts& folder, unsigned uid) {
    return folder.kind == PathFacts::Kind::Folder && folder.owner == uid &&
           (folder.mode & kGroupAndOthers) == 0;
}

SocketUse socketUse(const PathFacts& socket, unsigned uid) {
    if (socket.kind == PathFacts::Kind::Missing)
        return SocketUse::Create;
    if (socket.kind == PathFacts::Kind::Socket && socket.owner == uid)
        return SocketUse::Connect;
    return SocketUse::Replace;
}

InstancePlace findInstancePlace(const char* runtimeDir, const char* tmpDir, unsigned uid) {
    if (absolute(runtimeDir) && isPrivateFolder(lookAt(runtimeDir), uid))
        return {std::string(runtimeDir).append(kSocketName), {}};
    // mkdir() never replaces what is there, so a folder made first by someone else stays
    // theirs, and the check below refuses it.
    std::string folder = absolute(tmpDir) ? tmpDir : "/tmp";
    folder.append("/gmouse-").append(std::to_string(uid));
    ::mkdir(folder.c_str(), 0700);
    const PathFacts facts = lookAt(folder);
    if (!isPrivateFolder(facts, uid))
        return {{}, describe(folder, facts)};
    return {folder.append(kSocketName), {}};
}

}  // namespace gm::app
