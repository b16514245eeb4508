#include "image/check_byte.h"

#include <numeric>

namespace gm::image {

namespace {
constexpr std::uint8_t kCheckXor = 0x5A;
}

std::uint8_t checkByteOf(std::span<const std::uint8_t> bytes) {
    const unsigned sum = std::accumulate(bytes.begin(), bytes.end(), 0u);
    return static_cast<std::uint8_t>((sum & 0xFFu) ^ kCheckXor);
}

void setCheckByte(std::span<std::uint8_t> section) {
    if (section.empty())
        return;
    section.back() = checkByteOf(section.first(section.size() - 1));
}

bool hasValidCheckByte(std::span<const std::uint8_t> section) {
    if (section.empty())
        return false;
    return section.back() == checkByteOf(section.first(section.size() - 1));
}

}  // namespace gm::image
