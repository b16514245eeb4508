#pragma once
// The session rig with the button controls as the editor fills them after the first read.

#include "buttons/button_state.h"
#include "buttons/key_tables.h"
#include "buttons/refresh.h"
#include "device/session/session_rig.h"
#include "support/seen_commands.h"

namespace gm::buttons::testing {

using Bytes = std::vector<std::uint8_t>;

struct ButtonRig {
    ButtonRig() {
        rig.connect();
        refreshButtonState(rig.model, state);
    }

    image::KeyCode mouseKey(KeyRef ref) const {
        const image::Image eeprom = rig.mouse.eeprom();
        const std::size_t at = image::kProfiles.offset + ref.profile * 49 + ref.key * 4;
        return {eeprom[at], eeprom[at + 1], eeprom[at + 2], eeprom[at + 3]};
    }
    std::string modelKeyText(KeyRef ref) const {
        return rig.model.codeTexts[ref.profile * 12 + ref.key];
    }

    // Every command report the mouse saw, in order.
    std::vector<Bytes> commands() const { return gm::testing::commandReports(rig.mouse); }

    device::session::testing::SessionRig rig;
    ButtonState state;
};

inline image::KeyCode code(std::string_view text) {
    return *image::codeFromText(text);
}

}  // namespace gm::buttons::testing
