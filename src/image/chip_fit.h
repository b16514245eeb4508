#pragma once
// Which chip an image's patch code was made for. The patch header gives the code's length and
// checksum; code made for one chip either does not fit the other's patch area (the 4210A's 736
// bytes in the 4230A's 512) or has the other's length, and writing it there corrupts the mouse.

#include <optional>

#include "image/geometry.h"
#include "image/image_model.h"

namespace gm::image {

// The patch header's length fits the chip's patch area and its checksum matches the code.
bool patchFitsChip(const Image& image, ChipType chip);

// The chip the image was made for: the only one its patch code fits, or, when it fits both, the
// one whose factory patch has its length (736 bytes the 4210A, 512 the 4230A). Nothing when it
// fits neither or the length names neither.
std::optional<ChipType> chipOfImage(const Image& image);

}  // namespace gm::image
