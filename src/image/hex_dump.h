#pragma once
// The hex dump the editor shows bytes in: lines of "OFFSET: B0 B1 ...", 16 bytes a line.

#include <cstdint>
#include <span>
#include <string>

namespace gm::image {

inline constexpr std::size_t kHexDumpBytesPerLine = 16;

// One line per 16 bytes (the last may be shorter), each ending in a newline; the offsets are
// four hex digits counting from `address`. Empty for no bytes.
std::string hexDump(std::uint32_t address, std::span<const std::uint8_t> bytes);

}  // namespace gm::image
