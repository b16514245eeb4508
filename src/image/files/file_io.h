#pragma once
// Reading and writing the small binary files of the editor (profiles, imports, backups, patch
// code). Writes go to a temporary file in the target's folder that is renamed over the target,
// so a crash or a full disk never leaves half a file behind.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gm::image::files {

struct ReadResult {
    std::vector<std::uint8_t> bytes;
    std::string error;  // empty on success, else what went wrong, naming the file
    bool ok() const { return error.empty(); }
};

// Reads at most `maxBytes` bytes of the file (all when maxBytes is 0).
ReadResult readFile(const std::filesystem::path& path, std::size_t maxBytes = 0);

// Writes `bytes` to `path` atomically; returns an empty string on success, else the error.
std::string writeFileAtomically(const std::filesystem::path& path,
                                std::span<const std::uint8_t> bytes);

}  // namespace gm::image::files
