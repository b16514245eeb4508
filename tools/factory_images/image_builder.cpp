#include "image_builder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "image/check_byte.h"
#include "image/patch_header.h"
#include "patch_sequence.h"

namespace gm::tools {

namespace {

using image::Image;

// Image offsets the builder computes instead of the recipe.
bool isComputed(std::size_t offset) {
    for (const image::Section section : image::kCheckedSections) {
        if (offset == image::areaOf(section).end() - 1)
            return true;
    }
    const std::size_t header = image::kPatchHeader.offset;
    return offset == header + 6 || offset == header + 7 || offset == header + 15;
}

[[noreturn]] void fail(const ImageRecipe& recipe, const std::string& what) {
    throw std::runtime_error(std::string(recipe.resourceName) + ": " + what);
}

void placeFields(const ImageRecipe& recipe, Image& image) {
    std::array<const Field*, image::kPatchCodeOffset> owner{};
    for (const Field& field : recipe.fields) {
        for (std::size_t i = 0; i < field.bytes.size(); ++i) {
            const std::size_t offset = field.offset + i;
            if (offset >= owner.size() || isComputed(offset)) {
                fail(recipe, "field '" + std::string(field.note) + "' writes computed or " +
                                 "out-of-range offset " + std::to_string(offset));
            }
            if (owner[offset] != nullptr) {
                fail(recipe, "offset " + std::to_string(offset) + " set by both '" +
                                 std::string(owner[offset]->note) + "' and '" +
                                 std::string(field.note) + "'");
            }
            owner[offset] = &field;
            image[offset] = field.bytes[i];
        }
    }
    for (std::size_t offset = 0; offset < owner.size(); ++offset) {
        if (owner[offset] == nullptr && !isComputed(offset)) {
            fail(recipe, "offset " + std::to_string(offset) + " is named by no field");
        }
    }
}

void setCheckBytes(Image& image) {
    for (const image::Section section : image::kCheckedSections) {
        const image::Area area = image::areaOf(section);
        image::setCheckByte(std::span(image).subspan(area.offset, area.length));
    }
}

void placePatchCode(const ImageRecipe& recipe, Image& image) {
    const image::ChipGeometry geometry = image::geometryOf(recipe.chip);
    const image::MutableHeaderView header(image.data() + image::kPatchHeader.offset,
                                          image::kPatchHeaderSize);
    const std::size_t length = image::patchLengthOf(header);
    if (length > geometry.patchLength)
        fail(recipe, "patch length exceeds the patch area");

    const auto code = patchSequence(recipe.patch.seed, length, recipe.patch.wantedSum);
    std::copy(code.begin(), code.end(), image.begin() + image::kPatchCodeOffset);
    const auto area = std::span(image).subspan(image::kPatchCodeOffset, geometry.patchLength);
    const image::PatchSum sum = image::refreshPatchHeader(header, area);
    if (!sum.lengthFits)
        fail(recipe, "patch checksum does not fit");
    image::setMcuLedCheckByte(header);
}

// Length of a record by the editor's rule: the first offset starting three zero bytes, plus 1.
std::size_t recordLength(std::span<const std::uint8_t> record) {
    for (std::size_t i = 0; i + 2 < record.size(); ++i) {
        if (record[i] == 0 && record[i + 1] == 0 && record[i + 2] == 0)
            return i + 1;
    }
    return record.size();
}

void placeFireMacros(const ImageRecipe& recipe, Image& image) {
    const image::ChipGeometry geometry = image::geometryOf(recipe.chip);
    const auto tail = std::span(image).subspan(geometry.tailOffset, geometry.tailLength);
    for (std::size_t i = 0; i < recipe.fireMacros.size(); ++i) {
        const FireMacro& macro = recipe.fireMacros[i];
        const auto body = fireMacroBody(macro);
        const auto record =
            tail.subspan(geometry.firstRecordOffset + i * geometry.recordSize, geometry.recordSize);
        if (body.size() + 2 > record.size())
            fail(recipe, "fire macro too long for its record");
        std::fill(record.begin(), record.end(), std::uint8_t{0});
        std::copy(body.begin(), body.end(), record.begin());
        if (recordLength(record) != body.size()) {
            fail(recipe, "fire macro " + std::string(macro.name) + " holds three zero bytes");
        }
        if (!geometry.hasFireMacroNames)
            continue;
        if (macro.name.size() > image::kFireMacroNameSize / 2)
            fail(recipe, "name too long");
        const auto name = tail.subspan(i * image::kFireMacroNameSize, image::kFireMacroNameSize);
        std::fill(name.begin(), name.end(), std::uint8_t{0});
        for (std::size_t c = 0; c < macro.name.size(); ++c) {
            name[2 * c + 1] = static_cast<std::uint8_t>(macro.name[c]);  // UTF-16BE of ASCII
        }
    }
}

}  // namespace

std::vector<std::uint8_t> fireMacroBody(const FireMacro& macro) {
    const auto high = [](std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); };
    const auto low = [](std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xFF); };
    return {0xFD,
            macro.shots,  // repeat
            0xA1,         // left button down
            0x04,
            static_cast<std::uint8_t>(macro.x),
            static_cast<std::uint8_t>(macro.y),
            0xFE,
            high(macro.holdMs),
            low(macro.holdMs),  // hold
            0x21,               // left button up
            0xFE,
            high(macro.gapMs),
            low(macro.gapMs),  // gap to the next shot
            0xFC,              // end of repeat
            0x00};
}

Image buildImage(const ImageRecipe& recipe) {
    Image image{};
    image.fill(0xFF);
    placeFields(recipe, image);
    setCheckBytes(image);
    placePatchCode(recipe, image);
    placeFireMacros(recipe, image);
    if (image[image::kMarkerOffset] != image::kMarker)
        fail(recipe, "marker byte is not E0");
    return image;
}

}  // namespace gm::tools
