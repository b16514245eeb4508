#include "image/factory_images.h"

#include <algorithm>

#include "image/factory_image_data.h"

namespace gm::image {

namespace {

int clampConfig(int config) {
    return std::clamp(config, 1, kFactoryConfigCount);
}

}  // namespace

const Image& factoryImage(ChipType chip, int config) {
    const std::size_t first = chip == ChipType::Chip4230A ? kFactoryConfigCount : 0;
    return detail::kFactoryImageData[first + static_cast<std::size_t>(clampConfig(config) - 1)];
}

const Image& factoryImageFor(std::string_view chipTypeText, int config) {
    const ChipType chip =
        chipTypeText == chipText(ChipType::Chip4230A) ? ChipType::Chip4230A : ChipType::Chip4210A;
    return factoryImage(chip, config);
}

std::string factoryImageName(ChipType chip, int config) {
    return "RDXM" + std::string(chipText(chip)) + "Data_Cfg" + std::to_string(clampConfig(config));
}

}  // namespace gm::image
