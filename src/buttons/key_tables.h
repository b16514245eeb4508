#pragma once
// The 36 profile keys and 9 combo keys in the working copies: reading a code and storing one,
// which updates the section bytes and the code text together.

#include <cstddef>

#include "image/code_text.h"
#include "image/image_model.h"

namespace gm::buttons {

// A profile key: profile 0..2, key 0..11.
struct KeyRef {
    std::size_t profile = 0;
    std::size_t key = 0;
    bool operator==(const KeyRef&) const = default;
};

image::KeyCode profileKeyCode(const image::ImageModel& model, KeyRef ref);
void setProfileKeyCode(image::ImageModel& model, KeyRef ref, const image::KeyCode& code);

// Combo key slot 0..8 (Combo Key1..9) in the Vendor section.
image::KeyCode comboKeyCode(const image::ImageModel& model, std::size_t slot);
void setComboKeyCode(image::ImageModel& model, std::size_t slot, const image::KeyCode& code);
// Image address of a combo slot's first byte.
std::size_t comboKeyAddress(std::size_t slot);

// Calls fn(ref) for every key of profiles 1..3, keys 1..12 in turn.
template <typename Fn>
void forEachProfileKey(Fn fn) {
    for (std::size_t p = 0; p < image::kProfileCount; ++p)
        for (std::size_t k = 0; k < image::kKeysPerProfile; ++k)
            fn(KeyRef{p, k});
}

}  // namespace gm::buttons
