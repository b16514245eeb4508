#pragma once
// A file that should fill one area of the image exactly (a profile, a macro area, fire macro
// records): the bytes it held, at most the area's size, and whether it held more.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace gm::image::files {

struct SizedFile {
    std::string error;                // empty when readable, else what went wrong, naming the file
    std::vector<std::uint8_t> bytes;  // the first min(file size, expected) bytes
    std::size_t expected = 0;
    bool longer = false;  // the file holds more than `expected` bytes; the rest is ignored
    bool ok() const { return error.empty(); }
    bool shorter() const { return bytes.size() < expected; }
};

// Reads at most expected + 1 bytes, so a huge file costs nothing.
SizedFile readSizedFile(const std::filesystem::path& path, std::size_t expected);

// Copies the file's bytes over the start of `area`; bytes past a short file keep their values.
void applySizedFile(const SizedFile& file, std::span<std::uint8_t> area);

// What the user should be told about a file that is not exactly `expected` bytes long (empty
// when it is). `area` names what the file fills, e.g. "image" or "macro area".
std::string sizeNote(const std::filesystem::path& path, const SizedFile& file,
                     const std::string& area);

}  // namespace gm::image::files
