#pragma once
// A connected session on the virtual mouse that takes the settings state on every read, with
// the live writes the mouse received decoded.
#include <cstdint>
#include <vector>

#include "device/session/session_rig.h"
#include "device/wire.h"
#include "image/check_byte.h"
#include "settings/image_state.h"
#include "support/seen_commands.h"

namespace gm::settings::testing {

using gm::testing::LiveWrite;

struct SettingsRig : device::session::testing::SessionRig {
    explicit SettingsRig(image::ChipType chip = image::ChipType::Chip4210A) : SessionRig(chip) {
        followImageReads(workspace);
        connect();
    }
    // The live writes (target 0) the mouse saw, oldest first, without the writes of the
    // Vendor and User check bytes (see checkByteWrites()).
    std::vector<LiveWrite> liveWrites() const { return gm::testing::liveWrites(mouse); }
    std::vector<LiveWrite> checkByteWrites() const {
        return gm::testing::liveWrites(mouse, gm::testing::CheckBytes::Only);
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
