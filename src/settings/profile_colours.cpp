#include "settings/profile_colours.h"

#include <array>
#include <string>

#include <algorithm>
#include <span>

#include "device/session/profile_push.h"
#include "image/fields.h"
#include "image/profile_switch_code.h"
#include "settings/live_write.h"

namespace gm::settings {
namespace {

constexpr int kGameMode = 1;
constexpr std::size_t kProfileExtrasAddress = image::kUser.offset + 3;  // User 3..6
constexpr std::uint8_t kFixedColourCode = 15;

}  // namespace

std::uint8_t colourCodeOf(int item) {
    return item == kFixedProfileColour ? kFixedColourCode : static_cast<std::uint8_t>(item - 1);
}

std::optional<int> colourItemOf(std::uint8_t code) {
    if (code == kFixedColourCode)
        return kFixedProfileColour;
    if (code < kFixedProfileColour - 1)
        return code + 1;
    return std::nullopt;
}

ActiveProfile activeProfileOf(const image::ImageModel& model) {
    const std::uint8_t user0 = model.copies.user[0];
    return {image::fields::profileOf(user0),
            colourItemOf(static_cast<std::uint8_t>(user0 >> image::fields::kProfileColourShift))};
}

std::string_view profileName(int profile) {
    static constexpr std::array<std::string_view, 3> kNames{"Office Mode", "Game Mode",
                                                            "Third Mode"};
    return profile >= 0 && profile < 3 ? kNames[static_cast<std::size_t>(profile)] : "none";
}

device::Result setProfile(device::Workspace& workspace, int profile, int colourItem,
                          const ProfileExtras& extras) {
    if (profile < 0 || profile > 2 || colourItem < 1 || colourItem > kProfileColourItems) {
        return device::Result::fail(
            device::Failure::InvalidRequest, device::Step::None,
            "profile " + std::to_string(profile + 1) + ", colour " + std::to_string(colourItem));
    }
    const bool game = profile == kGameMode;
    int effect = extras.buttonEffectEnabled ? extras.buttonEffect : 0;
    if (game && extras.buttonEffectEnabled && extras.gameDelayEnabled)
        effect += 4;
    const std::array<std::uint8_t, 4> bytes{static_cast<std::uint8_t>(effect),
                                            static_cast<std::uint8_t>(game ? 15 : 0), 0,
                                            game ? extras.offset : std::uint8_t{0}};
    image::ImageModel& model = workspace.model();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        workingByte(model, kProfileExtrasAddress + i) = bytes[i];
        if (device::Result written =
                writeLive(workspace, kProfileExtrasAddress + i, 1, CheckByte::Later);
            !written)
            return written;
    }
    workingByte(model, image::fields::kActiveProfile) = static_cast<std::uint8_t>(
        profile | colourCodeOf(colourItem) << image::fields::kProfileColourShift);
    return writeLive(workspace, image::fields::kActiveProfile, 1);
}

namespace {

constexpr std::uint8_t kSwitchToProfile = 0x80;

// The same rule the key names follow, so every key named after a profile gets its colour.
bool switchesTo(std::span<const std::uint8_t> code, int profile) {
    return image::profileSwitchTarget(code.first<4>()) == profile;
}

template <typename Visit>
void forEachKeyCode(image::ImageModel& model, Visit visit) {
    auto& tables = model.copies.profiles;
    for (std::size_t p = 0; p < image::kProfileCount; ++p) {
        for (std::size_t key = 0; key < image::kKeysPerProfile; ++key) {
            visit(std::span<std::uint8_t>(tables).subspan(
                p * image::kProfileSectionSize + key * image::kKeyCodeSize, image::kKeyCodeSize));
        }
    }
}

}  // namespace

device::Result setProfileSwitchColour(device::Workspace& workspace, int profile, int colourItem,
                                      const SwitchOptions& options) {
    if (profile < 0 || profile > 2 || colourItem < 1 || colourItem > kProfileColourItems) {
        return device::Result::fail(
            device::Failure::InvalidRequest, device::Step::None,
            "profile " + std::to_string(profile + 1) + ", colour " + std::to_string(colourItem));
    }
    image::ImageModel& model = workspace.model();
    const auto optionBits = static_cast<std::uint8_t>(
        (options.rtz ? 0x40 : 0) | (options.axy ? 0x20 : 0) | (options.cc ? 0x10 : 0));
    forEachKeyCode(model, [&](std::span<std::uint8_t> code) {
        if (!switchesTo(code, profile))
            return;
        code[1] = static_cast<std::uint8_t>(kSwitchToProfile | optionBits | profile);
        code[2] = static_cast<std::uint8_t>(colourCodeOf(colourItem) << 4);
        code[3] = options.offset;
    });
    image::rebuildCodeTexts(model);
    if (!maySend(workspace))
        return device::Result::done();
    device::Result pushed =
        device::session::pushProfiles(workspace, device::session::FireKeys::Kept);
    auto& tables = model.copies.profiles;
    const auto held = model.buffer.begin() + static_cast<std::ptrdiff_t>(image::kProfiles.offset);
    if (pushed) {
        std::copy(tables.begin(), tables.end(), held);
    } else {
        std::copy(held, held + static_cast<std::ptrdiff_t>(tables.size()), tables.begin());
        image::rebuildCodeTexts(model);
    }
    return pushed;
}

std::optional<int> profileSwitchColourOf(const image::ImageModel& model, int profile) {
    const auto& tables = model.copies.profiles;
    for (std::size_t p = 0; p < image::kProfileCount; ++p) {
        for (std::size_t key = 0; key < image::kKeysPerProfile; ++key) {
            const auto code = std::span<const std::uint8_t>(tables).subspan(
                p * image::kProfileSectionSize + key * image::kKeyCodeSize, image::kKeyCodeSize);
            if (switchesTo(code, profile))
                return colourItemOf(static_cast<std::uint8_t>(code[2] >> 4));
        }
    }
    return std::nullopt;
}

}  // namespace gm::settings
