#include "image/files/import_files.h"

#include <algorithm>

namespace gm::image::files {

void importFireMacroRecords(const SizedFile& file, WorkingCopies& copies,
                            const ChipGeometry& geometry) {
    copies.tail.resize(geometry.tailLength, 0xFF);
    for (std::size_t i = 0; i < kFireMacroCount; ++i) {
        std::vector<std::uint8_t>& record = copies.fireMacroRecords[i];
        record.resize(geometry.recordSize, 0x00);
        const std::size_t start = i * kFireMacroFileRecordSize;
        if (start < file.bytes.size()) {
            const std::size_t held = std::min(kFireMacroFileRecordSize, file.bytes.size() - start);
            const auto from = file.bytes.begin() + static_cast<std::ptrdiff_t>(start);
            std::copy_n(from, held, record.begin());
            if (held == kFireMacroFileRecordSize) {
                std::fill(record.begin() + static_cast<std::ptrdiff_t>(held), record.end(), 0x00);
            }
        }
        const std::size_t at = geometry.firstRecordOffset + i * geometry.recordSize;
        std::copy(record.begin(), record.end(),
                  copies.tail.begin() + static_cast<std::ptrdiff_t>(at));
    }
    if (geometry.hasFireMacroNames) {
        for (std::size_t i = 0; i < kFireMacroCount; ++i) {
            std::copy(copies.fireMacroNames[i].begin(), copies.fireMacroNames[i].end(),
                      copies.tail.begin() + static_cast<std::ptrdiff_t>(i * kFireMacroNameSize));
        }
    }
}

}  // namespace gm::image::files
