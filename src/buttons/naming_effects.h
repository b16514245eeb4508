#pragma once
// What showing a code changes besides its caption: a fire code ticks its set's continue box, a
// profile-switch code sets that profile's colour selector. Kept apart from nameOf() so a lookup
// changes nothing; the refreshes call it where the controls must follow the codes.

#include "buttons/button_state.h"
#include "image/code_text.h"

namespace gm::buttons {

// `keepContinue`: a continue box change is being applied, so the boxes are left as they are.
void applyNamingEffects(const image::KeyCode& code, ButtonState& state, bool keepContinue);

}  // namespace gm::buttons
