#pragma once
// The byte arrays of the six factory images, generated at build time by the factory image
// generator (tools/factory_images) from its recipes. Use factory_images.h.

#include <array>
#include <cstddef>

#include "image/layout.h"

namespace gm::image::detail {

// RDXM4210AData_Cfg1..3, then RDXM4230AData_Cfg1..3.
inline constexpr std::size_t kFactoryImageCount = 6;
extern const std::array<Image, kFactoryImageCount> kFactoryImageData;

}  // namespace gm::image::detail
