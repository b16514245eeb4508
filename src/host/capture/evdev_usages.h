#pragma once
// Physical keys as HID keyboard usages: the Linux evdev key code of a key (what the X server and
// Wayland compositors report as their keycode minus 8) to the usage the mouse's key codes
// carry. A key is named by its position, so any keyboard layout records what a US one does.

#include <cstdint>
#include <optional>
#include <span>

namespace gm::host {

struct EvdevUsage {
    std::uint16_t code = 0;  // evdev KEY_* code
    std::uint8_t usage = 0;  // HID keyboard usage
};

// The usage of evdev key `code`; nothing for a key the table does not hold.
std::optional<std::uint8_t> usageOfEvdevCode(unsigned code);
// The usage of an XKB keycode (evdev + 8), as Qt's native scan code gives it on X11 and
// Wayland; nothing for 0 (no native code) or an unknown key.
std::optional<std::uint8_t> usageOfXkbKeycode(unsigned keycode);

// The tables the lookup is made of, for the table tests: the keyboard-page part, and the media
// keys that go to the mouse's own multimedia usages (0xC0..0xD1) instead.
std::span<const EvdevUsage> keyboardPageTable();
std::span<const EvdevUsage> multimediaTable();

}  // namespace gm::host
