#include "buttons/naming_effects.h"

#include "image/profile_switch_code.h"

namespace gm::buttons {

void applyNamingEffects(const image::KeyCode& code, ButtonState& state, bool keepContinue) {
    if (code[0] == 0x06) {
        if (const auto set = matchingFireSet(code, state.rememberedFire); set && !keepContinue)
            state.fire[*set].continueOn = (code[1] & 0x80) != 0;
        return;
    }
    if (const auto target = image::profileSwitchTarget(code)) {
        const int nibble = code[2] >> 4;
        const int item = nibble <= 9 ? nibble : (nibble == 15 ? kNoColourItem : -1);
        if (item >= 0)
            state.profileColourItems[static_cast<std::size_t>(*target)] = item;
    }
}

}  // namespace gm::buttons
