#pragma once
// A connected session on the virtual mouse that takes the settings state on every read, with
// the live writes the mouse received decoded.
#include <cstdint>
#include <vector>

#include "device/session/session_rig.h"
#include "device/wire.h"
#include "image/check_byte.h"
#include "settings/image_state.h"

namespace gm::settings::testing {

struct LiveWrite {
    int address;
    std::vector<std::uint8_t> bytes;
    bool operator==(const LiveWrite&) const = default;
};

inline void PrintTo(const LiveWrite& write, std::ostream* out) {
    *out << "{" << write.address << ":";
    for (const std::uint8_t byte : write.bytes)
        *out << " " << int{byte};
    *out << "}";
}

struct SettingsRig : device::session::testing::SessionRig {
    static constexpr int kVendorCheckByte = image::kVendor.offset + image::kVendor.length - 1;
    static constexpr int kUserCheckByte = image::kUser.offset + image::kUser.length - 1;

    explicit SettingsRig(image::ChipType chip = image::ChipType::Chip4210A) : SessionRig(chip) {
        followImageReads(workspace);
        connect();
    }
    // The live writes (target 0) the mouse saw, oldest first, without the writes of the
    // Vendor and User check bytes (see checkByteWrites()).
    std::vector<LiveWrite> liveWrites() const { return writes(false); }
    std::vector<LiveWrite> checkByteWrites() const { return writes(true); }
    std::vector<LiveWrite> writes(bool checkBytes) const {
        std::vector<LiveWrite> writes;
        for (const auto& report : commands(device::command::kLiveWrite)) {
            const bool checkByte = report[3] == kVendorCheckByte || report[3] == kUserCheckByte;
            if (report[2] != 0 || checkByte != checkBytes)
                continue;
            writes.push_back({report[3], std::vector<std::uint8_t>(
                                             report.begin() + 4, report.begin() + 4 + report[7])});
        }
        return writes;
    }
    // Replaces the mouse's EEPROM byte and reads the image again, clearing the record.
    void setMouseByte(std::size_t address, std::uint8_t value) {
        image::Image eeprom = mouse.eeprom();
        eeprom[address] = value;
        // Keep the section's check byte right, or the read would rebuild it from defaults.
        const image::Area section = address < image::kUser.offset ? image::kVendor : image::kUser;
        image::setCheckByte(
            std::span<std::uint8_t>(eeprom).subspan(section.offset, section.length));
        mouse.loadEeprom(eeprom);
        ASSERT_TRUE(session.readWholeImage());
        mouse.clearReports();
    }
};

}  // namespace gm::settings::testing
