#pragma once
// An exclusive lock on a hidden file beside a file two programs change (".NAME.lock"), held while
// alive: the editor and gmousectl each read, change and write the file under it, so neither
// loses the other's change. The file itself cannot carry the lock: every write replaces it.

#include <filesystem>
#include <string>

namespace gm::host {

class FolderLock {
public:
    // Waits for the lock of `file`; error() says why it could not be had.
    explicit FolderLock(const std::filesystem::path& file);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    const std::string& error() const { return error_; }

private:
    int fd_ = -1;
    std::string error_;
};

}  // namespace gm::host
