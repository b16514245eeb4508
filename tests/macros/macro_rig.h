#pragma once
// Macro areas built from readable entries, and a connected session whose tables follow the
// Macro area, with a mouse that can be given an area before the read.

#include <string>
#include <vector>

#include "device/session/session_rig.h"
#include "image/code_text.h"
#include "image/macro_tables.h"
#include "macros/device_tables.h"
#include "macros/macro_area.h"
#include "macros/macro_name.h"
#include "support/seen_commands.h"
#include "support/temp_folder.h"

namespace gm::macros::testing {

using Bytes = std::vector<std::uint8_t>;

struct Entry {
    std::string name;
    Bytes body;  // with its terminator
};

// An area of the entries packed from 0, the rest zero (no fillers: keep bodies off offset 255).
inline MacroArea areaOf(const std::vector<Entry>& entries) {
    MacroArea area{};
    std::size_t at = 0;
    for (const Entry& entry : entries) {
        const image::MacroName name = encodeMacroName(entry.name);
        for (std::uint8_t byte : name)
            area.at(at++) = byte;
        for (std::uint8_t byte : entry.body)
            area.at(at++) = byte;
    }
    return area;
}

inline image::PcMacroRecord recordOf(const std::string& name, const Bytes& body) {
    image::PcMacroRecord record;
    record.name = encodeMacroName(name);
    std::copy(body.begin(), body.end(), record.body.begin());
    return record;
}

// A body of `bytes` bytes in all, terminator included, of 3-byte delays and 1-byte clicks.
inline Bytes bodyOfLength(std::size_t bytes) {
    Bytes body;
    while (body.size() + 1 < bytes) {
        const Bytes item = body.size() + 4 <= bytes ? Bytes{0xFE, 0x00, 0x32} : Bytes{0xA1};
        body.insert(body.end(), item.begin(), item.end());
    }
    body.push_back(0x00);
    return body;
}

struct MacroRig : device::session::testing::SessionRig {
    explicit MacroRig(const MacroArea& area = {}) {
        followMacroArea(workspace);
        image::Image eeprom = mouse.eeprom();
        std::copy(area.begin(), area.end(), eeprom.begin() + image::kMacro.offset);
        mouse.loadEeprom(eeprom);
        connect();
    }

    MacroArea mouseArea() const {
        const image::Image eeprom = mouse.eeprom();
        MacroArea area{};
        std::copy_n(eeprom.begin() + image::kMacro.offset, area.size(), area.begin());
        return area;
    }
    std::vector<std::string> deviceNames() const {
        std::vector<std::string> names;
        for (const image::DeviceMacroSlot& slot : model.macros.entries) {
            if (!slot.empty())
                names.push_back(decodeMacroName(slot.name));
        }
        return names;
    }
    // The block writes the mouse received: address and length of each.
    std::vector<std::pair<int, int>> blockWrites() const {
        std::vector<std::pair<int, int>> writes;
        for (const auto& report : commands(device::command::kBlockWrite))
            writes.emplace_back(report[2] << 8 | report[3], report[4] << 8 | report[5]);
        return writes;
    }
    image::KeyCode mouseKey(std::size_t profile, std::size_t key) const {
        const image::Image eeprom = mouse.eeprom();
        const std::size_t at = image::kProfiles.offset + profile * 49 + key * 4;
        return {eeprom[at], eeprom[at + 1], eeprom[at + 2], eeprom[at + 3]};
    }

    gm::testing::TempFolder temp;
};

}  // namespace gm::macros::testing
