#pragma once
// Reading the small binary files of the editor (profiles, imports, backups, patch code). Only
// regular files are opened: a FIFO or a device would block or never end. Writing goes through a
// FileWriter (file_writer.h).

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace gm::image::files {

struct ReadResult {
    std::vector<std::uint8_t> bytes;
    std::string error;  // empty on success, else what went wrong, naming the file
    bool ok() const { return error.empty(); }
};

// Reads at most `maxBytes` bytes of the file (all when maxBytes is 0). A path that is missing
// or not a regular file (after following links) is refused before it is opened.
ReadResult readFile(const std::filesystem::path& path, std::size_t maxBytes = 0);

}  // namespace gm::image::files
