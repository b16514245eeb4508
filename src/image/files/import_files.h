#pragma once
// The engineering import files: a base macro file (the 512-byte macro area, byte for byte) and a
// fire macro file (ten records, record i at file offset 24 * i), and how the fire records are
// placed into the tail area of each chip type.

#include <cstddef>
#include <filesystem>

#include "image/files/sized_file.h"
#include "image/geometry.h"
#include "image/image_model.h"
#include "image/layout.h"

namespace gm::image::files {

inline constexpr std::size_t kFireMacroFileRecordSize = 24;
inline constexpr std::size_t kFireMacroFileSize = kFireMacroFileRecordSize * kFireMacroCount;

inline SizedFile readBaseMacroFile(const std::filesystem::path& path) {
    return readSizedFile(path, kMacro.length);
}
inline SizedFile readFireMacroFile(const std::filesystem::path& path) {
    return readSizedFile(path, kFireMacroFileSize);
}

// Fills the fire macro table from the 24-byte records of a fire macro file and rebuilds the tail
// from the table. Records past the end of a short file keep their bytes.
//  - 4210A: record i is 24 bytes, stored at tail offset 24 * i.
//  - 4230A: record i is 32 bytes at tail offset 160 + 32 * i. The file's 24 bytes fill the first
//    24 bytes of the record and the last 8 are set to zero (after the record's 0x00 end mark
//    they carry nothing). The file has no names, so the names at tail offsets 0..159 stay as
//    they are, as do the unused bytes after the last record.
void importFireMacroRecords(const SizedFile& file, WorkingCopies& copies,
                            const ChipGeometry& geometry);

}  // namespace gm::image::files
