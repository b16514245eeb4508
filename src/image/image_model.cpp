#include "image/image_model.h"

#include <algorithm>

#include "image/check_byte.h"
#include "image/code_text.h"
#include "image/patch_header.h"
#include "image/section_defaults.h"

namespace gm::image {

namespace {

// Copies image bytes from `offset` into `destination`, never past the end of the image.
void copyFromImage(const Image& image, std::size_t offset, std::span<std::uint8_t> destination) {
    if (offset >= image.size())
        return;
    const std::size_t count = std::min(destination.size(), image.size() - offset);
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), count, destination.begin());
}

// Copies `source` bytes from `offset` into `destination`, never past the end of the source.
void copyFrom(std::span<const std::uint8_t> source, std::size_t offset,
              std::span<std::uint8_t> destination) {
    if (offset >= source.size())
        return;
    const std::size_t count = std::min(destination.size(), source.size() - offset);
    std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(offset), count, destination.begin());
}

// Shared by the const and mutable views of a section's working copy.
template <typename Copies>
auto sectionCopyOf(Section section, Copies& copies) {
    using View = decltype(std::span(copies.profiles).subspan(0));
    const View profiles = std::span(copies.profiles);
    switch (section) {
        case Section::Vendor:
            return View(copies.vendor);
        case Section::User:
            return View(copies.user);
        case Section::Profile1:
            return profiles.subspan(0, kProfileSectionSize);
        case Section::Profile2:
            return profiles.subspan(kProfileSectionSize, kProfileSectionSize);
        case Section::Profile3:
            return profiles.subspan(2 * kProfileSectionSize, kProfileSectionSize);
    }
    return View(copies.vendor);
}

void sizeChipBuffers(WorkingCopies& copies, const ChipGeometry& geometry) {
    copies.patchCode.resize(geometry.patchLength, 0xFF);
    copies.tail.resize(geometry.tailLength, 0xFF);
    for (auto& record : copies.fireMacroRecords) {
        record.resize(geometry.recordSize, 0x00);
    }
}

}  // namespace

ImageModel::ImageModel() {
    buffer.fill(0xFF);
    sizeChipBuffers(copies, geometry);
}

void ImageModel::setChip(std::optional<ChipType> chipType) {
    chip = chipType;
    // Without a chip (device gone) the geometry and the buffers keep their last contents.
    if (!chipType)
        return;
    geometry = geometryOf(*chipType);
    sizeChipBuffers(copies, geometry);
}

std::span<std::uint8_t> workingCopyOf(Section section, WorkingCopies& copies) {
    return sectionCopyOf(section, copies);
}

std::span<const std::uint8_t> workingCopyOf(Section section, const WorkingCopies& copies) {
    return sectionCopyOf(section, copies);
}

bool SplitResult::anyRepaired() const {
    return std::any_of(repaired.begin(), repaired.end(), [](bool r) { return r; });
}

SplitResult split(ImageModel& model) {
    SplitResult result;
    WorkingCopies& copies = model.copies;
    const Image& image = model.buffer;

    for (std::size_t i = 0; i < kCheckedSections.size(); ++i) {
        const Section section = kCheckedSections[i];
        copyFromImage(image, areaOf(section).offset, workingCopyOf(section, copies));
        if (!hasValidCheckByte(workingCopyOf(section, copies))) {
            applySectionDefaults(section, model);
            result.repaired[i] = true;
        }
    }

    copyFromImage(image, kReserved.offset, copies.reserved);
    copyFromImage(image, kFireKeys.offset, copies.fireKeys);
    copyFromImage(image, kMacro.offset, copies.macroArea);
    copyFromImage(image, kPatchHeader.offset, copies.patchHeader);

    const ChipGeometry& geometry = model.geometry;
    sizeChipBuffers(copies, geometry);
    copyFromImage(image, kPatchCodeOffset, copies.patchCode);
    copyFromImage(image, geometry.tailOffset, copies.tail);

    cutFireMacros(model);
    return result;
}

void cutFireMacros(ImageModel& model) {
    WorkingCopies& copies = model.copies;
    const ChipGeometry& geometry = model.geometry;
    // Bytes behind the last record are never read.
    for (std::size_t i = 0; i < kFireMacroCount; ++i) {
        copyFrom(copies.tail, geometry.firstRecordOffset + i * geometry.recordSize,
                 copies.fireMacroRecords[i]);
        if (geometry.hasFireMacroNames) {
            copyFrom(copies.tail, i * kFireMacroNameSize, copies.fireMacroNames[i]);
        }
    }
}

namespace {

// Copies `bytes` into the image at `offset`, never past the end of the image.
void copyIntoImage(Image& image, std::size_t offset, std::span<const std::uint8_t> bytes) {
    if (offset >= image.size())
        return;
    const std::size_t count = std::min(bytes.size(), image.size() - offset);
    std::copy_n(bytes.begin(), count, image.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Copies `bytes` into `destination` at `offset`, never past its end.
void copyInto(std::span<std::uint8_t> destination, std::size_t offset,
              std::span<const std::uint8_t> bytes) {
    if (offset >= destination.size())
        return;
    const std::size_t count = std::min(bytes.size(), destination.size() - offset);
    std::copy_n(bytes.begin(), count, destination.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

void placeFireMacros(ImageModel& model) {
    WorkingCopies& copies = model.copies;
    const ChipGeometry& geometry = model.geometry;
    for (std::size_t i = 0; i < kFireMacroCount; ++i) {
        copyInto(copies.tail, geometry.firstRecordOffset + i * geometry.recordSize,
                 copies.fireMacroRecords[i]);
        if (geometry.hasFireMacroNames)
            copyInto(copies.tail, i * kFireMacroNameSize, copies.fireMacroNames[i]);
    }
}

void compose(ImageModel& model) {
    placeFireMacros(model);
    WorkingCopies& copies = model.copies;
    const ChipGeometry& geometry = model.geometry;
    Image& image = model.buffer;
    for (Section section : kCheckedSections)
        copyIntoImage(image, areaOf(section).offset, workingCopyOf(section, copies));
    copyIntoImage(image, kReserved.offset, copies.reserved);
    copyIntoImage(image, kFireKeys.offset, copies.fireKeys);
    copyIntoImage(image, kMacro.offset, copies.macroArea);
    copyIntoImage(image, kPatchHeader.offset, copies.patchHeader);
    copyIntoImage(image, kPatchCodeOffset, copies.patchCode);
    copyIntoImage(image, geometry.tailOffset, copies.tail);
}

Image composedImage(const ImageModel& model) {
    ImageModel composed = model;
    compose(composed);
    return composed.buffer;
}

std::vector<NamedArea> imageAreas(const ChipGeometry& geometry) {
    return {
        {"Vendor", kVendor},
        {"User", kUser},
        {"Profile1", kProfile1},
        {"Profile2", kProfile2},
        {"Profile3", kProfile3},
        {"Reserved", kReserved},
        {"Gap", kGap},
        {"FireKeys", kFireKeys},
        {"Macro", kMacro},
        {"PatchHeader", kPatchHeader},
        {"PatchCode", {kPatchCodeOffset, geometry.patchLength}},
        {"Tail", {geometry.tailOffset, geometry.tailLength}},
    };
}

std::vector<std::string> areasThatDiffer(const Image& a, const Image& b,
                                         const ChipGeometry& geometry) {
    std::vector<std::string> differing;
    for (const auto& [name, area] : imageAreas(geometry)) {
        const auto first = static_cast<std::ptrdiff_t>(area.offset);
        const auto last = static_cast<std::ptrdiff_t>(std::min(area.end(), kImageSize));
        if (!std::equal(a.begin() + first, a.begin() + last, b.begin() + first))
            differing.emplace_back(name);
    }
    return differing;
}

void rebuildCodeTexts(ImageModel& model) {
    model.codeTexts.fill(std::string{});
    const std::size_t profileKeys = kProfileCount * kKeysPerProfile;
    for (std::size_t key = 0; key < profileKeys; ++key) {
        const std::size_t profile = key / kKeysPerProfile;
        const std::size_t offset =
            profile * kProfileSectionSize + (key % kKeysPerProfile) * kKeyCodeSize;
        model.codeTexts[key] =
            codeTextOf(std::span<const std::uint8_t, 4>(model.copies.profiles.data() + offset, 4));
    }
    for (std::size_t combo = 0; combo < kComboKeyCount; ++combo) {
        const std::size_t offset = kVendorComboKeysOffset + combo * kKeyCodeSize;
        model.codeTexts[profileKeys + combo] =
            codeTextOf(std::span<const std::uint8_t, 4>(model.copies.vendor.data() + offset, 4));
    }
}

PatchChecksum patchChecksumOf(const ImageModel& model) {
    const HeaderView header(model.copies.patchHeader);
    const PatchSum sum = patchChecksumOver(model.copies.patchCode, patchLengthOf(header));
    PatchChecksum result;
    result.stored = storedPatchChecksumOf(header);
    result.computed = sum.checksum;
    result.length = patchLengthOf(header);
    result.lengthFits = sum.lengthFits;
    return result;
}

}  // namespace gm::image
