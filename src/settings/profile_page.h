#pragma once
// The bytes a key-assignment page button writes when it makes its profile the mouse's active
// one: User offsets 3, 4, 5, 6 and then 0, one live write each, in that order. User 0 carries
// the profile number in bits 3..0 and the profile colour code in bits 7..4.

#include <array>
#include <cstdint>

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::settings {

inline constexpr int kProfileCount = 3;
// Item of the profile colour list that stands for the fixed colour (items 0..9: user colours).
inline constexpr int kFixedColourItem = 10;

// What the profile choice depends on besides the profile itself.
struct ProfileChoice {
    int profile = 0;            // 0..2: the page of profile 1, 2 or 3
    bool buttonEffect = false;  // BE_Enable of the program settings
    bool gunDisplay = false;    // GD_Enable of the program settings
    int effectItem = 0;         // item of the button effect list
    int colourItem = 0;         // item of the profile colour list, 0..10
};

struct UserByteWrite {
    std::uint8_t userOffset;
    std::uint8_t value;
    bool operator==(const UserByteWrite&) const = default;
};

// The five writes in the order they are sent. A profile outside 0..2 is treated as profile 1.
std::array<UserByteWrite, 5> activeProfileWrites(const ProfileChoice& choice);

// The colour list item that shows User 0's colour code (15, the fixed colour, is item 10; codes
// 10..14 are not colours and show item 0).
int colourItemOfActiveProfileByte(std::uint8_t user0);

// Sends the five writes. Stops at the first write refused as Busy or NoDevice (nothing more is
// sent); a write the mouse refused does not stop the others, and the result names the refused
// writes. Each byte the mouse accepted is kept in the User working copy.
device::Result writeActiveProfile(device::Workspace& workspace, const ProfileChoice& choice);

}  // namespace gm::settings
