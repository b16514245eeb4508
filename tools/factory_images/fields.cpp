#include <stdexcept>

#include "recipe.h"

namespace gm::tools {

namespace {

std::vector<std::uint8_t> codeBytes(std::uint32_t code) {
    return {static_cast<std::uint8_t>(code >> 24), static_cast<std::uint8_t>(code >> 16),
            static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code)};
}

}  // namespace

Field vendor(std::size_t offset, std::vector<std::uint8_t> bytes, std::string_view note) {
    return {image::kVendor.offset + offset, std::move(bytes), note};
}

Field user(std::size_t offset, std::vector<std::uint8_t> bytes, std::string_view note) {
    return {image::kUser.offset + offset, std::move(bytes), note};
}

Field fireKeyArea(std::size_t offset, std::vector<std::uint8_t> bytes, std::string_view note) {
    return {image::kFireKeys.offset + offset, std::move(bytes), note};
}

Field patchHeader(std::size_t offset, std::vector<std::uint8_t> bytes, std::string_view note) {
    return {image::kPatchHeader.offset + offset, std::move(bytes), note};
}

Field rgb(std::size_t vendorOffset, std::uint32_t rrggbb, std::string_view note) {
    return vendor(vendorOffset,
                  {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
                   static_cast<std::uint8_t>(rrggbb)},
                  note);
}

Field text(std::size_t vendorOffset, std::string_view ascii, std::string_view note) {
    return vendor(vendorOffset, std::vector<std::uint8_t>(ascii.begin(), ascii.end()), note);
}

Field key(int profile, int keyNumber, std::uint32_t code, std::string_view note) {
    if (profile < 1 || profile > 3 || keyNumber < 1 || keyNumber > 12) {
        throw std::invalid_argument("key out of range");
    }
    const std::size_t offset = image::kProfile1.offset +
                               static_cast<std::size_t>(profile - 1) * image::kProfileSectionSize +
                               static_cast<std::size_t>(keyNumber - 1) * image::kKeyCodeSize;
    return {offset, codeBytes(code), note};
}

Field comboKey(int number, std::uint32_t code, std::string_view note) {
    if (number < 1 || number > 9)
        throw std::invalid_argument("combo key out of range");
    return vendor(
        image::kVendorComboKeysOffset + static_cast<std::size_t>(number - 1) * image::kKeyCodeSize,
        codeBytes(code), note);
}

Field fill(image::Area area, std::uint8_t value, std::string_view note) {
    return {area.offset, std::vector<std::uint8_t>(area.length, value), note};
}

}  // namespace gm::tools
