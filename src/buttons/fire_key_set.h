#pragma once
// The three fire-key parameter sets: repeat count R, interval T and the continue flag, and how a
// class-06 code carries them.

#include <array>
#include <optional>

#include "image/code_text.h"

namespace gm::buttons {

inline constexpr std::size_t kFireKeySetCount = 3;
inline constexpr int kMinRepeat = 1;      // the engineering page allows 1
inline constexpr int kMinUserRepeat = 2;  // the key page and gmousectl promise 2..15
inline constexpr int kMaxRepeat = 15;
inline constexpr int kMinInterval = 1;
inline constexpr int kMaxInterval = 4094;

struct FireKeySet {
    int repeat = 2;
    int interval = 16;
    bool continueOn = false;
    bool operator==(const FireKeySet&) const = default;
};
using FireKeySets = std::array<FireKeySet, kFireKeySetCount>;

// R and T of each set as last applied: what recognises a fire code as set n.
struct FireKeyMemory {
    std::array<int, kFireKeySetCount> repeat{2, 4, 8};
    std::array<int, kFireKeySetCount> interval{60, 120, 200};
};

// 06, (R-1) | 0x10 | continue bit 7, T high, T low.
image::KeyCode fireCodeOf(const FireKeySet& set);
// Repeat (b1 & 0x0F) + 1, interval b2*256 + b3, continue b1 bit 7 of a class-06 code.
FireKeySet fireSetOf(const image::KeyCode& code);
// The first set (0..2) whose remembered R and T equal the code's; nothing when none does.
std::optional<std::size_t> matchingFireSet(const image::KeyCode& code, const FireKeyMemory& memory);

}  // namespace gm::buttons
