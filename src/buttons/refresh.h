#pragma once
// Bringing the button controls in line with an image that was read or loaded: the colour
// selectors and continue boxes the codes imply, the fire-key sets, the AIM level, the gestures.

#include "buttons/button_state.h"
#include "buttons/macro_catalogue.h"
#include "image/image_model.h"

namespace gm::buttons {

void refreshButtonState(const image::ImageModel& model, ButtonState& state,
                        const MacroCatalogue* macros = nullptr);

}  // namespace gm::buttons
