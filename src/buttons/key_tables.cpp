#include "buttons/key_tables.h"

#include <algorithm>

namespace gm::buttons {

namespace {

std::size_t profileOffset(KeyRef ref) {
    return ref.profile * image::kProfileSectionSize + ref.key * image::kKeyCodeSize;
}

std::size_t comboOffset(std::size_t slot) {
    return image::kVendorComboKeysOffset + slot * image::kKeyCodeSize;
}

image::KeyCode codeAt(const std::uint8_t* bytes) {
    image::KeyCode code{};
    std::copy_n(bytes, code.size(), code.begin());
    return code;
}

}  // namespace

image::KeyCode profileKeyCode(const image::ImageModel& model, KeyRef ref) {
    return codeAt(model.copies.profiles.data() + profileOffset(ref));
}

void setProfileKeyCode(image::ImageModel& model, KeyRef ref, const image::KeyCode& code) {
    std::copy(code.begin(), code.end(),
              model.copies.profiles.begin() + static_cast<std::ptrdiff_t>(profileOffset(ref)));
    model.codeTexts[ref.profile * image::kKeysPerProfile + ref.key] = image::codeTextOf(code);
}

image::KeyCode comboKeyCode(const image::ImageModel& model, std::size_t slot) {
    return codeAt(model.copies.vendor.data() + comboOffset(slot));
}

void setComboKeyCode(image::ImageModel& model, std::size_t slot, const image::KeyCode& code) {
    std::copy(code.begin(), code.end(),
              model.copies.vendor.begin() + static_cast<std::ptrdiff_t>(comboOffset(slot)));
    model.codeTexts[image::kProfileCount * image::kKeysPerProfile + slot] = image::codeTextOf(code);
}

std::size_t comboKeyAddress(std::size_t slot) {
    return image::kVendor.offset + comboOffset(slot);
}

}  // namespace gm::buttons
