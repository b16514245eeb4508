#include "host/files/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace gm::host {

FolderLock::FolderLock(const std::filesystem::path& file) {
    const std::filesystem::path lock =
        file.parent_path() / std::string(".").append(file.filename().string()).append(".lock");
    fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        error_ = lock.string() + ": cannot be opened (" + std::strerror(errno) + ")";
        return;
    }
    int locked = 0;
    do {
        locked = ::flock(fd_, LOCK_EX);  // waits in the kernel for the other program
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        error_ = lock.string() + ": cannot be locked (" + std::strerror(errno) + ")";
        ::close(fd_);
        fd_ = -1;
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace gm::host
