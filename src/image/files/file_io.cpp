#include "image/files/file_io.h"

#include <fstream>
#include <system_error>

namespace gm::image::files {

namespace fs = std::filesystem;

ReadResult readFile(const fs::path& path, std::size_t maxBytes) {
    ReadResult result;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        result.error = path.string() + ": no such file";
        return result;
    }
    if (fs::is_directory(path, ec)) {
        result.error = path.string() + ": is a folder, not a file";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = path.string() + ": cannot be opened for reading";
        return result;
    }
    const auto size = fs::file_size(path, ec);
    if (ec) {
        result.error = path.string() + ": cannot read its size (" + ec.message() + ")";
        return result;
    }
    const std::size_t wanted =
        maxBytes == 0 ? static_cast<std::size_t>(size) : std::min<std::size_t>(maxBytes, size);
    result.bytes.resize(wanted);
    if (wanted > 0 && !in.read(reinterpret_cast<char*>(result.bytes.data()),
                               static_cast<std::streamsize>(wanted))) {
        result.bytes.clear();
        result.error = path.string() + ": read failed";
    }
    return result;
}

std::string writeFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const fs::path temporary = folder / ("." + path.filename().string() + ".tmp");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return path.string() + ": cannot create a file in " + folder.string();
        }
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return path.string() + ": write failed (disk full?)";
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return path.string() + ": cannot replace the file (" + ec.message() + ")";
    }
    return {};
}

}  // namespace gm::image::files
