#include "host/files/atomic_file_writer.h"
#include "image/echoed_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <system_error>

namespace gm::host {

namespace fs = std::filesystem;

namespace {

std::string systemError(int error) {
    return std::strerror(error);
}

// The file a write to `path` replaces: the target of a symbolic link (however many), so the
// link itself stays a link.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

// Writes every byte, carrying on after partial writes and interrupted calls; 0 or an errno.
int writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

int syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

// Ignores SIGXFSZ while alive, so a write beyond the file size limit fails with EFBIG instead
// of ending the program.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() { previous_ = std::signal(SIGXFSZ, SIG_IGN); }
    ~FileSizeSignalIgnored() {
        if (previous_ != SIG_ERR)
            std::signal(SIGXFSZ, previous_);
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    void (*previous_)(int) = SIG_ERR;
};

}  // namespace

std::string AtomicFileWriter::write(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const fs::path target = resolvedTarget(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // A hidden name beside the target. Appended, not "." + string: GCC 12 at -O3 warns falsely
    // (-Wrestrict) about that.
    const std::string hidden =
        std::string(1, '.').append(target.filename().string()).append(".XXXXXX");
    std::string pattern = (folder / hidden).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return image::echoed(path.string()) + ": cannot create a file in " +
               image::echoed(folder.string()) + " (" + systemError(errno) + ")";
    const fs::path temporary(pattern);
    const auto fail = [&](const std::string& what, int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return image::echoed(path.string()) + ": " + what + " (" + systemError(error) + ")";
    };

    // A replaced file keeps its permissions; a new one gets the usual 0666 less the umask.
    struct stat existing {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return fail("cannot set the new file's permissions", errno);

    {
        FileSizeSignalIgnored ignoreFileSizeSignal;
        if (const int error = writeAll(fd, bytes); error != 0)
            return fail("write failed", error);
    }
    if (::fsync(fd) != 0)
        return fail("cannot flush the new file to disk", errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return image::echoed(path.string()) + ": write failed (" + systemError(error) + ")";
    }
    // The new file's name is on disk before it replaces the old one.
    if (const int error = syncFolder(folder); error != 0) {
        ::unlink(temporary.c_str());
        return image::echoed(path.string()) + ": cannot flush " + image::echoed(folder.string()) +
               " (" + systemError(error) + ")";
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return image::echoed(path.string()) + ": cannot replace the file (" + systemError(error) +
               ")";
    }
    if (const int error = syncFolder(folder); error != 0)
        return image::echoed(path.string()) + ": written, but its folder could not be flushed (" +
               systemError(error) + ")";
    return {};
}

}  // namespace gm::host
