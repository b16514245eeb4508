#pragma once
// How the program writes whole files (profiles, backups, the virtual mouse's EEPROM): given to
// the core by its driver, because doing it safely (a temporary file renamed over the target,
// flushed to disk) needs the operating system. The host's writer does that; tests may record.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace gm::image::files {

class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Replaces `path` with `bytes` as one step: afterwards the file holds either its old bytes
    // or all the new ones. An empty string on success, else what went wrong, naming the file.
    virtual std::string write(const std::filesystem::path& path,
                              std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace gm::image::files
