#include "patch_sequence.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace gm::tools {

namespace {

constexpr std::size_t kAdjustedBytes = 64;

// Moves the sum by `delta` (may be negative), sharing the change evenly over the last bytes.
void shiftSum(std::vector<std::uint8_t>& bytes, long delta) {
    const std::size_t first = bytes.size() - std::min(kAdjustedBytes, bytes.size());
    bool moved = true;
    while (delta != 0 && moved) {
        moved = false;
        for (std::size_t i = first; i < bytes.size() && delta != 0; ++i) {
            const long left = static_cast<long>(bytes.size() - i);
            long share = delta / left;
            if (share == 0)
                share = delta > 0 ? 1 : -1;
            const long step = std::clamp(share, -static_cast<long>(bytes[i]), 255L - bytes[i]);
            bytes[i] = static_cast<std::uint8_t>(bytes[i] + step);
            delta -= step;
            moved = moved || step != 0;
        }
    }
    if (delta != 0)
        throw std::runtime_error("patch sequence cannot reach the wanted sum");
}

}  // namespace

std::vector<std::uint8_t> patchSequence(std::uint8_t seed, std::size_t length,
                                        std::optional<std::uint16_t> wantedSum) {
    std::vector<std::uint8_t> bytes(length);
    unsigned x = seed;
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(x);
        x = (109 * x + 89) & 0xFF;
    }
    if (!wantedSum)
        return bytes;

    const long sum = std::accumulate(bytes.begin(), bytes.end(), 0L);
    // Pick the nearer of the two ways round the 16-bit wrap.
    const long up = (static_cast<long>(*wantedSum) - sum) & 0xFFFF;
    const long down = up - 0x10000;
    const long maxSum = static_cast<long>(length) * 255;
    const bool upFits = sum + up <= maxSum;
    const bool downFits = sum + down >= 0;
    if (!upFits && !downFits)
        throw std::runtime_error("wanted patch sum out of reach");
    shiftSum(bytes, (upFits && (!downFits || up < -down)) ? up : down);
    return bytes;
}

}  // namespace gm::tools
