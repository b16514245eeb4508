#include "image/files/file_io.h"
#include "image/echoed_text.h"

#include <fstream>
#include <system_error>

namespace gm::image::files {

namespace fs = std::filesystem;

ReadResult readFile(const fs::path& path, std::size_t maxBytes) {
    ReadResult result;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        result.error = echoed(path.string()) + ": no such file";
        return result;
    }
    if (fs::is_directory(status)) {
        result.error = echoed(path.string()) + ": is a folder, not a file";
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.error = echoed(path.string()) + ": is not a regular file (a pipe or a device?)";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = echoed(path.string()) + ": cannot be opened for reading";
        return result;
    }
    const auto size = fs::file_size(path, ec);
    if (ec) {
        result.error = echoed(path.string()) + ": cannot read its size (" + ec.message() + ")";
        return result;
    }
    const std::size_t wanted =
        maxBytes == 0 ? static_cast<std::size_t>(size) : std::min<std::size_t>(maxBytes, size);
    result.bytes.resize(wanted);
    if (wanted > 0 && !in.read(reinterpret_cast<char*>(result.bytes.data()),
                               static_cast<std::streamsize>(wanted))) {
        result.bytes.clear();
        result.error = echoed(path.string()) + ": read failed";
    }
    return result;
}

}  // namespace gm::image::files
