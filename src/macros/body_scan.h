#pragma once
// The item-length rule of macro bodies: each item starts with an opcode that fixes its length,
// and the 0x00 terminator ends the body. Every reader of outside bytes (the Macro area, the
// macro file, exchange files) scans with it, so a corrupt body can never make it stall or read
// past what it was given.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "image/macro_tables.h"

namespace gm::macros {

namespace opcode {
inline constexpr std::uint8_t kEnd = 0x00;
inline constexpr std::uint8_t kModifierDown = 0x81;
inline constexpr std::uint8_t kModifierUp = 0x01;
inline constexpr std::uint8_t kKeyDown = 0x82;
inline constexpr std::uint8_t kKeyUp = 0x02;
inline constexpr std::uint8_t kMove = 0x04;
inline constexpr std::uint8_t kDelay = 0xFE;
inline constexpr std::uint8_t kRepeatStart = 0xFD;
inline constexpr std::uint8_t kRepeatEnd = 0xFC;  // also the page filler of the Macro area
inline constexpr std::uint8_t kPressed = 0x80;    // bit 7 of a key or button event
}  // namespace opcode

// The length of the item an opcode starts; nothing for an opcode outside the encoding.
std::optional<std::size_t> itemLength(std::uint8_t code);

struct BodyScan {
    // Bytes up to and including the terminator; 0 when no terminator was met within the bytes
    // scanned (at most 256), or an item ran past them.
    std::size_t length = 0;
    // An unknown opcode ended the scan: it stands where the terminator is counted, and the body
    // is cut there.
    bool cut = false;
    bool terminated() const { return length != 0; }
};

// Scans at most 256 bytes of `bytes` (all of them when fewer).
BodyScan scanBody(std::span<const std::uint8_t> bytes);

struct StoredBody {
    image::MacroBody body{};  // the scanned bytes, the terminator written where a cut ended it
    std::size_t length = 0;   // as BodyScan::length
    bool cut = false;
    bool terminated() const { return length != 0; }
};

// The body a scan of `bytes` keeps: its items up to the terminator, zero-filled behind it.
StoredBody storedBody(std::span<const std::uint8_t> bytes);

}  // namespace gm::macros
