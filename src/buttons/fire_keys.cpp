#include "buttons/fire_keys.h"

#include <algorithm>
#include <vector>

#include "buttons/key_name.h"
#include "buttons/key_push.h"
#include "buttons/key_tables.h"
#include "image/fields.h"

namespace gm::buttons {

namespace {

// Area offsets of set n: R-1, T high, T low.
std::size_t setOffset(std::size_t set) {
    return 2 + set * 3;
}

}  // namespace

device::Result applyFireKeys(device::Workspace& workspace, ButtonState& state,
                             const MacroCatalogue* macros) {
    image::ImageModel& model = workspace.model();
    std::vector<std::pair<KeyRef, KeyName>> named;
    forEachProfileKey([&](KeyRef ref) {
        named.emplace_back(ref, nameOf(profileKeyCode(model, ref), {state.rememberedFire, macros}));
    });

    auto& area = model.copies.fireKeys;
    for (std::size_t n = 0; n < kFireKeySetCount; ++n) {
        FireKeySet& set = state.fire[n];
        set.repeat = std::clamp(set.repeat, kMinRepeat, kMaxRepeat);
        set.interval = std::clamp(set.interval, kMinInterval, kMaxInterval);
        area[setOffset(n)] = static_cast<std::uint8_t>(set.repeat - 1);
        area[setOffset(n) + 1] = static_cast<std::uint8_t>((set.interval >> 8) & 0xFF);
        area[setOffset(n) + 2] = static_cast<std::uint8_t>(set.interval & 0xFF);
        state.rememberedFire.repeat[n] = set.repeat;
        state.rememberedFire.interval[n] = set.interval;
    }
    for (const auto& [ref, name] : named) {
        for (std::size_t n = 0; n < kFireKeySetCount; ++n) {
            if (name.is(names::fireKeyId(n)))
                setProfileKeyCode(model, ref, fireCodeOf(state.fire[n]));
        }
    }
    return pushKeyTables(workspace, device::session::FireKeys::Written);
}

void refreshFireKeys(const image::ImageModel& model, ButtonState& state) {
    const auto& area = model.copies.fireKeys;
    for (std::size_t n = 0; n < kFireKeySetCount; ++n) {
        FireKeySet& set = state.fire[n];
        set.repeat = area[setOffset(n)] + 1;
        set.interval = area[setOffset(n) + 1] * 256 + area[setOffset(n) + 2];
        state.rememberedFire.repeat[n] = set.repeat;
        state.rememberedFire.interval[n] = set.interval;
    }
    const std::uint8_t profile = image::fields::profileOf(model.copies.user[0]);
    if (!image::fields::isProfile(profile))
        return;
    for (std::size_t k = 0; k < image::kKeysPerProfile; ++k) {
        const image::KeyCode code = profileKeyCode(model, {profile, k});
        const KeyName name = nameOf(code, {state.rememberedFire, nullptr});
        for (std::size_t n = 0; n < kFireKeySetCount; ++n) {
            if (name.is(names::fireKeyId(n)))
                state.fire[n] = fireSetOf(code);
        }
    }
}

}  // namespace gm::buttons
