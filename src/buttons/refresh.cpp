#include "buttons/refresh.h"

#include "buttons/aim_key.h"
#include "buttons/fire_keys.h"
#include "buttons/gestures.h"
#include "buttons/key_tables.h"
#include "buttons/naming_effects.h"

namespace gm::buttons {

void refreshButtonState(const image::ImageModel& model, ButtonState& state,
                        const MacroCatalogue* macros) {
    refreshFireKeys(model, state);
    forEachProfileKey(
        [&](KeyRef ref) { applyNamingEffects(profileKeyCode(model, ref), state, false); });
    // The active profile's fire keys decide the continue boxes, after the other profiles'.
    refreshFireKeys(model, state);
    refreshAimLevel(model, state);
    refreshGestures(model, state, macros);
}

}  // namespace gm::buttons
