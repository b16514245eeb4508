#include "image/chip_fit.h"

#include "image/layout.h"
#include "image/patch_header.h"

namespace gm::image {

namespace {

constexpr std::uint16_t kFactoryPatchLength4210A = 736;
constexpr std::uint16_t kFactoryPatchLength4230A = 512;

}  // namespace

bool patchFitsChip(const Image& image, ChipType chip) {
    ImageModel model;
    model.setChip(chip);
    model.buffer = image;
    split(model);
    const PatchChecksum sum = patchChecksumOf(model);
    return sum.lengthFits && sum.stored == sum.computed;
}

std::optional<ChipType> chipOfImage(const Image& image) {
    const bool fits4210A = patchFitsChip(image, ChipType::Chip4210A);
    const bool fits4230A = patchFitsChip(image, ChipType::Chip4230A);
    if (fits4210A != fits4230A)
        return fits4210A ? ChipType::Chip4210A : ChipType::Chip4230A;
    if (!fits4210A)
        return std::nullopt;
    const std::uint16_t length =
        patchLengthOf(HeaderView(image.data() + kPatchHeader.offset, kPatchHeaderSize));
    if (length == kFactoryPatchLength4210A)
        return ChipType::Chip4210A;
    if (length == kFactoryPatchLength4230A)
        return ChipType::Chip4230A;
    return std::nullopt;
}

}  // namespace gm::image
