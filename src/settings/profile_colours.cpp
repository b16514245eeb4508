#include "settings/profile_colours.h"

#include <array>
#include <string>

#include "image/fields.h"
#include "settings/live_write.h"

namespace gm::settings {
namespace {

constexpr int kGameMode = 1;
constexpr std::size_t kProfileExtrasAddress = image::kUser.offset + 3;  // User 3..6
constexpr std::uint8_t kFixedColourCode = 15;

}  // namespace

std::uint8_t colourCodeOf(int item) {
    return item == kFixedColourItem ? kFixedColourCode : static_cast<std::uint8_t>(item - 1);
}

std::optional<int> colourItemOf(std::uint8_t code) {
    if (code == kFixedColourCode)
        return kFixedColourItem;
    if (code < kFixedColourItem - 1)
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
        if (device::Result written = writeLiveUnchecked(workspace, kProfileExtrasAddress + i, 1);
            !written)
            return written;
    }
    workingByte(model, image::fields::kActiveProfile) = static_cast<std::uint8_t>(
        profile | colourCodeOf(colourItem) << image::fields::kProfileColourShift);
    return writeLive(workspace, image::fields::kActiveProfile, 1);
}

}  // namespace gm::settings
