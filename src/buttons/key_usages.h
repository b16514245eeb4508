#pragma once
// HID keyboard usages as chord codes carry them: the key-name table, and the key index of the
// capture's 144-entry key table with the usage each index stands for.

#include <cstdint>
#include <optional>
#include <string_view>

namespace gm::buttons {

// The name of a keyboard usage (4 "A", 224 "Left Ctrl", 197 "Volume_Up"); empty when unnamed.
std::string_view keyNameOfUsage(std::uint8_t usage);
// The usage whose name is `name` (the first in usage order); nothing when no usage has it.
std::optional<std::uint8_t> usageOfKeyName(std::string_view name);

inline constexpr std::size_t kKeyIndexCount = 144;
struct KeyIndexEntry {
    std::string_view name;
    std::uint8_t usage = 0;  // 0: the index stands for no key
};
// Entry `index` of the key table; nothing past its end.
std::optional<KeyIndexEntry> keyIndexEntry(std::size_t index);

}  // namespace gm::buttons
