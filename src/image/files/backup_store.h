#pragma once
// A folder of timestamped copies of the mouse's image, kept before every whole-image write so a
// reset, a loaded profile or a restore can be undone. The caller chooses the folder and the
// clock that stamps the names; nothing here reads the environment.

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "image/files/file_writer.h"
#include "image/layout.h"

namespace gm::image::files {

using WallClock = std::function<std::chrono::system_clock::time_point()>;

struct BackupEntry {
    std::filesystem::path path;
    std::string stamp;   // "2024-05-01 12:30:05.123 UTC"
    std::string reason;  // what was about to replace the image: "reset", "load", ...
};

struct BackupStoreResult {
    std::filesystem::path path;  // the file written
    std::string error;           // empty on success
    bool ok() const { return error.empty(); }
};

struct BackupLoadResult {
    Image image{};
    std::string error;  // empty on success
    bool ok() const { return error.empty(); }
};

class BackupStore {
public:
    // Backups are written through `files`, which outlives the store.
    BackupStore(std::filesystem::path folder, WallClock now, FileWriter& files);

    const std::filesystem::path& folder() const { return folder_; }

    // Writes `image` as a new backup (the folder is created when missing). `reason` becomes part
    // of the name; characters other than letters, digits and '-' are dropped.
    BackupStoreResult store(const Image& image, std::string_view reason);

    // The backups in the folder, newest first. Files that do not follow the naming are ignored;
    // a folder that does not exist yet holds none. A folder that cannot be read sets `error`.
    std::vector<BackupEntry> list(std::string& error) const;
    std::vector<BackupEntry> list() const;

    // Backup `number` of list(), counted from 1 (1 = newest). Refuses files that are not
    // exactly one image long.
    BackupLoadResult load(std::size_t number) const;

private:
    std::filesystem::path folder_;
    WallClock now_;
    FileWriter& files_;
};

}  // namespace gm::image::files
