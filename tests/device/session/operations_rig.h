#pragma once
// A connected session with a backup store in a temporary folder, for the operations that
// replace the mouse's image.

#include <chrono>

#include "image/files/backup_store.h"
#include "session_rig.h"

namespace gm::device::session::testing {

struct OperationsRig : SessionRig {
    explicit OperationsRig(image::ChipType chip = image::ChipType::Chip4210A, bool connected = true)
        : SessionRig(chip) {
        workspace.setBackupFolder(temp / "backups",
                                  [this] { return wallNow += std::chrono::seconds{1}; });
        if (connected)
            connect();
    }

    std::filesystem::path writeFile(const std::string& name,
                                    std::span<const std::uint8_t> bytes) const {
        return temp.write(name, bytes);
    }

    // The block writes the mouse received: address and length of each.
    std::vector<std::pair<int, int>> blockWrites() const {
        std::vector<std::pair<int, int>> writes;
        for (const auto& report : commands(command::kBlockWrite)) {
            writes.emplace_back(report[2] << 8 | report[3], report[4] << 8 | report[5]);
        }
        return writes;
    }

    TempFolder temp;
    std::chrono::system_clock::time_point wallNow{std::chrono::hours{24 * 365 * 54}};
    image::files::BackupStore& backups() { return *workspace.backups(); }
};

}  // namespace gm::device::session::testing
