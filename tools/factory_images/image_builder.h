#pragma once
// Turns a recipe into its 2048-byte image and proves the recipe whole: every byte before the
// patch code is named by exactly one field, except the check bytes and the patch checksum, which
// the builder computes.

#include "image/layout.h"
#include "recipe.h"

namespace gm::tools {

// Throws std::runtime_error naming the recipe and the fault.
image::Image buildImage(const ImageRecipe& recipe);

// A fire macro record body: FD shots, A1, 04 x y, FE hold, 21, FE gap, FC, 00.
std::vector<std::uint8_t> fireMacroBody(const FireMacro& macro);

}  // namespace gm::tools
