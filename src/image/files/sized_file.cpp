#include "image/files/sized_file.h"

#include <algorithm>

#include "image/echoed_text.h"
#include "image/files/file_io.h"

namespace gm::image::files {

SizedFile readSizedFile(const std::filesystem::path& path, std::size_t expected) {
    SizedFile file;
    file.expected = expected;
    ReadResult read = readFile(path, expected + 1);
    if (!read.ok()) {
        file.error = read.error;
        return file;
    }
    file.longer = read.bytes.size() > expected;
    read.bytes.resize(std::min(read.bytes.size(), expected));
    file.bytes = std::move(read.bytes);
    return file;
}

void applySizedFile(const SizedFile& file, std::span<std::uint8_t> area) {
    std::copy_n(file.bytes.begin(), std::min(file.bytes.size(), area.size()), area.begin());
}

std::string sizeNote(const std::filesystem::path& path, const SizedFile& file,
                     const std::string& area) {
    const std::string expected = std::to_string(file.expected);
    if (file.longer) {
        return echoed(path.string()) + " is longer than " + expected + " bytes; only its first " +
               expected + " bytes were used.";
    }
    if (file.shorter()) {
        const std::string held = std::to_string(file.bytes.size());
        return echoed(path.string()) + " holds only " + held + " of " + expected + " bytes; " +
               area + " bytes " + held + ".." + std::to_string(file.expected - 1) +
               " keep their previous values.";
    }
    return {};
}

}  // namespace gm::image::files
