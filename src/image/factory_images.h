#pragma once
// The six factory images RDXM4210AData_Cfg1..3 and RDXM4230AData_Cfg1..3 built into the program.

#include <string>
#include <string_view>

#include "image/geometry.h"
#include "image/layout.h"

namespace gm::image {

inline constexpr int kFactoryConfigCount = 3;

constexpr bool isFactoryConfig(int config) {
    return config >= 1 && config <= kFactoryConfigCount;
}

// Config 1..3; a config outside that range is taken as the nearest of them.
const Image& factoryImage(ChipType chip, int config);
// The selection by chip type text: "4230A" picks the 4230A image, any other text the 4210A one.
const Image& factoryImageFor(std::string_view chipTypeText, int config);
// "RDXM4210AData_Cfg1" and so on.
std::string factoryImageName(ChipType chip, int config);

}  // namespace gm::image
