#include "image/hex_dump.h"

#include <algorithm>

#include "image/hex_text.h"

namespace gm::image {

std::string hexDump(std::uint32_t address, std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 3 + (bytes.size() / kHexDumpBytesPerLine + 1) * 6);
    for (std::size_t line = 0; line < bytes.size(); line += kHexDumpBytesPerLine) {
        text += hexText(static_cast<std::uint32_t>(address + line), 4);
        text += ':';
        const std::size_t end = std::min(bytes.size(), line + kHexDumpBytesPerLine);
        for (std::size_t i = line; i < end; ++i) {
            text += ' ';
            appendHexByte(text, bytes[i]);
        }
        text += '\n';
    }
    return text;
}

}  // namespace gm::image
