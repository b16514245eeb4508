#pragma once
// The program's file writer on POSIX systems: a new file with a unique name beside the target
// (through a symbolic link, beside the file it points to), given the target's permissions,
// written whole and flushed to disk, then renamed over the target, and the folder flushed too.
// A failure at any point leaves the old file as it was and no temporary file behind.

#include "image/files/file_writer.h"

namespace gm::host {

class AtomicFileWriter final : public image::files::FileWriter {
public:
    std::string write(const std::filesystem::path& path,
                      std::span<const std::uint8_t> bytes) override;
};

}  // namespace gm::host
