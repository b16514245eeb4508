#include "settings/profile_page.h"

#include <string>

#include "image/layout.h"
#include "settings/live_write.h"

namespace gm::settings {

namespace {

std::uint8_t effectByte(const ProfileChoice& choice) {
    const auto effect = static_cast<std::uint8_t>(choice.effectItem);
    if (choice.profile != 1)
        return choice.buttonEffect ? effect : 0;
    if (choice.buttonEffect && choice.gunDisplay)
        return static_cast<std::uint8_t>(effect + 4);
    if (choice.buttonEffect)
        return effect;
    return choice.gunDisplay ? 4 : 0;
}

std::uint8_t activeProfileByte(const ProfileChoice& choice) {
    const auto profile = static_cast<std::uint8_t>(choice.profile);
    const bool fixed =
        choice.colourItem == kFixedColourItem || (choice.profile == 1 && choice.gunDisplay);
    if (fixed)
        return static_cast<std::uint8_t>(0xF0 | profile);
    return static_cast<std::uint8_t>(16 * choice.colourItem + profile);
}

}  // namespace

std::array<UserByteWrite, 5> activeProfileWrites(const ProfileChoice& requested) {
    ProfileChoice choice = requested;
    if (choice.profile < 0 || choice.profile >= kProfileCount)
        choice.profile = 0;
    if (choice.colourItem < 0 || choice.colourItem > kFixedColourItem)
        choice.colourItem = 0;
    const bool second = choice.profile == 1;
    return {{{3, effectByte(choice)},
             {4, static_cast<std::uint8_t>(second ? 15 : 0)},
             {5, 0},
             {6, static_cast<std::uint8_t>(second ? 0x18 : 0)},
             {0, activeProfileByte(choice)}}};
}

int colourItemOfActiveProfileByte(std::uint8_t user0) {
    const int code = user0 >> 4;
    if (code == 15)
        return kFixedColourItem;
    return code < kFixedColourItem ? code : 0;
}

device::Result writeActiveProfile(device::Workspace& workspace, const ProfileChoice& choice) {
    device::Result outcome;
    std::string refused;
    for (const UserByteWrite& write : activeProfileWrites(choice)) {
        const std::size_t address = image::kUser.offset + write.userOffset;
        workingByte(workspace.model(), address) = write.value;
        device::Result sent = writeLive(workspace, address, 1, CheckByte::Later);
        if (sent.failure == device::Failure::Busy || sent.failure == device::Failure::NoDevice)
            return sent.at(device::Step::LiveWrite);
        ++outcome.reports;
        if (sent)
            continue;
        ++outcome.refused;
        if (outcome.ok()) {
            outcome.failure = sent.failure;
            outcome.step = device::Step::LiveWrite;
        }
        refused += (refused.empty() ? "User " : ", ") + std::to_string(write.userOffset);
    }
    // The User check byte follows, as after every change of the section, or the next read
    // would rebuild the section from its defaults.
    if (device::Result checked = writeCheckByte(workspace, image::kUser.offset);
        !checked && outcome.ok()) {
        outcome.failure = checked.failure;
        outcome.step = device::Step::LiveWrite;
    }
    outcome.detail = refused;
    return outcome;
}

}  // namespace gm::settings
