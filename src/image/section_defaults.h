#pragma once
// Built-in section defaults: what a section with a wrong check byte is rebuilt from, and what the
// engineering rebuild of a whole image starts from. They depend on the model's LED type text and
// package item.

#include <array>
#include <cstdint>

#include "image/image_model.h"
#include "image/layout.h"

namespace gm::image {

// Rebuilds the working copy of `section` from the defaults and sets its check byte. Bytes the
// defaults leave alone for the model's LED type or package (the colours for "Sync", Vendor 40..41
// and the profile keys for a package item other than 0 or 1) keep their working-copy values.
void applySectionDefaults(Section section, ImageModel& model);

// The default fire key area: ids FF FF, sets (R-1, T) = (1, 60), (3, 120), (7, 200), marker E0.
std::array<std::uint8_t, 12> fireKeyAreaDefaults();

}  // namespace gm::image
