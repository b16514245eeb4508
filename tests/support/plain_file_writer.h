#pragma once
// A file writer for core tests: writes with std::ofstream (no temporary file, no flush to disk),
// so the core's tests need no host library. It can be told to fail, so a test can check what a
// failed write does; it records the paths it was asked to write.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "image/files/file_writer.h"

namespace gm::testing {

class PlainFileWriter final : public image::files::FileWriter {
public:
    std::string write(const std::filesystem::path& path,
                      std::span<const std::uint8_t> bytes) override {
        attempts.push_back(path);
        if (!failure.empty())
            return path.string() + ": " + failure;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            return path.string() + ": cannot be written";
        return {};
    }

    // Every later write fails with this text (after the path) and writes nothing; empty writes.
    void failWith(std::string reason) { failure = std::move(reason); }

    std::vector<std::filesystem::path> attempts;

private:
    std::string failure;
};

}  // namespace gm::testing
