#pragma once
// Where the editor's single-instance socket lives: in a folder only this user may enter, so no
// other local user can take the name first (to keep the editor from starting, or to receive its
// messages). That is $XDG_RUNTIME_DIR when it is the user's own with mode 700, else a folder
// $TMPDIR/gmouse-UID made with mode 700. Plain C++ and POSIX: the checks are tested without Qt.

#include <string>

namespace gm::app {

// What lstat() found at a path; a symbolic link is never followed.
struct PathFacts {
    enum class Kind { Missing, Folder, Socket, Other };
    Kind kind = Kind::Missing;
    unsigned owner = 0;
    unsigned mode = 0;  // the permission bits
};

// lstat() of `path`; Missing when there is nothing (or it cannot be looked at).
PathFacts lookAt(const std::string& path);

// A real folder (not a link to one) owned by `uid` that group and others may not enter.
bool isPrivateFolder(const PathFacts& folder, unsigned uid);

// What may be done with what lies at the socket's path. Connect: a socket of this user's, which a
// running editor may answer (taken over when none does). Create: nothing there. Replace:
// something not this user's socket (another owner, a plain file, a link); never connected to,
// only removed to make room.
enum class SocketUse { Connect, Create, Replace };
SocketUse socketUse(const PathFacts& socket, unsigned uid);

struct InstancePlace {
    std::string socketPath;  // empty when no private folder was found
    std::string problem;     // why, when socketPath is empty
};

// The socket's path for `uid`, from the values of XDG_RUNTIME_DIR and TMPDIR (either may be
// null); creates the fallback folder when it is missing.
InstancePlace findInstancePlace(const char* runtimeDir, const char* tmpDir, unsigned uid);

}  // namespace gm::app
