#pragma once
// What the tests of the operations that write files to the mouse share: the areas they write,
// patch files for the 4210A, a temporary folder for the files the window's dialogs are given,
// backups kept as in the editor, and the mouse's EEPROM compared with a file's bytes.

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <vector>

#include "window_rig.h"

namespace gm::ui::testing {

inline constexpr std::size_t kPatchHeader = 1008;
inline constexpr std::size_t kPatchCode = 1024;
inline constexpr std::size_t kPatchArea4210A = 784;
inline constexpr std::size_t kMacroArea = 496;
inline constexpr std::size_t kMacroAreaSize = 512;
inline constexpr const char* kDone = "written to the mouse";

// A patch file for the 4210A: a header giving `length`, then the whole patch area.
inline std::vector<std::uint8_t> patchFile(std::uint16_t length) {
    std::vector<std::uint8_t> bytes{0,
                                    0,
                                    static_cast<std::uint8_t>(length >> 8),
                                    static_cast<std::uint8_t>(length & 0xFF),
                                    0,
                                    0,
                                    0,
                                    0,
                                    1,
                                    2,
                                    3,
                                    4,
                                    5,
                                    6,
                                    7,
                                    8};
    for (std::size_t i = 0; i < kPatchArea4210A; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 7 + 3));
    return bytes;
}

// A temporary folder for the files a test hands to the window's file dialogs.
struct Files {
    QTemporaryDir temp;
    QString write(const char* name, const std::vector<std::uint8_t>& bytes) {
        const QString path = temp.filePath(name);
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }
};

// Whether the EEPROM holds `bytes` (from index `from` on) at `offset`.
inline bool holds(const image::Image& eeprom, std::size_t offset,
                  const std::vector<std::uint8_t>& bytes, std::size_t from = 0) {
    return std::equal(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(),
                      eeprom.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Whole-image writes and patch programming keep a backup first, as in the editor.
struct KeptBackups {
    explicit KeptBackups(WindowRig& rig) {
        rig.workspace.setBackupFolder(dir.path().toStdString());
    }
    QTemporaryDir dir;
};

}  // namespace gm::ui::testing
