#pragma once
// The macros as the editor holds them, as plain data: the device macros parsed from the Macro
// area (15 slots in area order) and the PC macro library (the 100 records of the macro file).
// src/macros parses, rebuilds and changes them; the workspace keeps one of each.

#include <array>
#include <cstddef>
#include <cstdint>

namespace gm::image {

inline constexpr std::size_t kMacroNameSize = 16;  // 8 UTF-16 code units, high byte first
inline constexpr std::size_t kMacroNameUnits = kMacroNameSize / 2;
inline constexpr std::size_t kMacroBodySize = 256;  // items ending in the 0x00 terminator
inline constexpr std::size_t kDeviceMacroSlots = 15;
inline constexpr std::size_t kPcMacroRecords = 100;
inline constexpr std::size_t kMacroRecordSize = kMacroNameSize + kMacroBodySize;   // 272
inline constexpr std::size_t kMacroFileSize = kPcMacroRecords * kMacroRecordSize;  // 27200
// Image offset of the first body: the Macro area (496) plus the first name.
inline constexpr std::uint16_t kFirstMacroBodyAddress = 0x200;

using MacroName = std::array<std::uint8_t, kMacroNameSize>;
using MacroBody = std::array<std::uint8_t, kMacroBodySize>;

struct DeviceMacroSlot {
    MacroName name{};
    std::uint16_t length = 0;   // entry length: 16 name bytes + body bytes; 0 for an empty slot
    std::uint16_t address = 0;  // image address of the body
    MacroBody body{};           // zero-filled behind the terminator
    bool empty() const { return length == 0; }
    bool operator==(const DeviceMacroSlot&) const = default;
};

struct DeviceMacroTables {
    DeviceMacroTables() { entries[0].address = kFirstMacroBodyAddress; }
    std::array<DeviceMacroSlot, kDeviceMacroSlots> entries{};
    std::int32_t total = 0;  // sum of the slot lengths
    bool operator==(const DeviceMacroTables&) const = default;
};

struct PcMacroRecord {
    MacroName name{};  // 16 zero bytes: a free record
    MacroBody body{};
    bool operator==(const PcMacroRecord&) const = default;
};

struct PcMacroStore {
    std::array<PcMacroRecord, kPcMacroRecords> records{};
    bool operator==(const PcMacroStore&) const = default;
};

}  // namespace gm::image
