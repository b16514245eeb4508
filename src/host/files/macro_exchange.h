#pragma once
// The macro exchange files: one PC macro (272 bytes), all PC macros (27200) and the device
// Macro area export (512). They carry no header, so a file of another size is read as far as it
// goes and the user is told.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "device/result.h"
#include "image/files/file_writer.h"

namespace gm::host {

inline constexpr std::size_t kOneMacroFileSize = 272;
inline constexpr std::size_t kAllMacrosFileSize = 27200;
inline constexpr std::size_t kDeviceMacrosFileSize = 512;

struct ExchangeFile {
    device::Result result;            // FileUnusable when unreadable; a size note otherwise
    std::vector<std::uint8_t> bytes;  // at most `expected` bytes
};

// Reads an exchange file of `expected` bytes; `what` names its content in the note.
ExchangeFile readExchangeFile(const std::filesystem::path& path, std::size_t expected,
                              const std::string& what);

// Writes an exchange file (replaced whole through the writer).
device::Result writeExchangeFile(image::files::FileWriter& writer,
                                 const std::filesystem::path& path,
                                 std::span<const std::uint8_t> bytes);

}  // namespace gm::host
