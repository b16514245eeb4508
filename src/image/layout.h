#pragma once
// Layout of the 2048-byte configuration image the mouse keeps in its EEPROM. Identical for both
// chip types up to offset 1023; the patch code and tail areas depend on the chip (geometry.h).

#include <array>
#include <cstddef>
#include <cstdint>

namespace gm::image {

inline constexpr std::size_t kImageSize = 2048;
using Image = std::array<std::uint8_t, kImageSize>;

struct Area {
    std::size_t offset;
    std::size_t length;
    constexpr std::size_t end() const { return offset + length; }
};

inline constexpr Area kVendor{0, 164};
inline constexpr Area kUser{164, 28};
inline constexpr Area kProfile1{192, 49};
inline constexpr Area kProfile2{241, 49};
inline constexpr Area kProfile3{290, 49};
inline constexpr Area kProfiles{192, 147};  // the three profile sections, written as one block
inline constexpr Area kReserved{339, 41};
inline constexpr Area kGap{380, 104};  // belongs to no area; kept byte for byte
inline constexpr Area kFireKeys{484, 12};
inline constexpr Area kMacro{496, 512};
inline constexpr Area kPatchHeader{1008, 16};
inline constexpr std::size_t kPatchCodeOffset = 1024;

inline constexpr std::size_t kProfileCount = 3;
inline constexpr std::size_t kKeysPerProfile = 12;
inline constexpr std::size_t kKeyCodeSize = 4;
inline constexpr std::size_t kProfileSectionSize = 49;

// Image offset 495, the last byte of the fire key area: 0xE0 in every valid image.
inline constexpr std::size_t kMarkerOffset = 495;
inline constexpr std::uint8_t kMarker = 0xE0;

// The five sections that end in a check byte.
enum class Section { Vendor, User, Profile1, Profile2, Profile3 };
inline constexpr std::array<Section, 5> kCheckedSections{
    Section::Vendor, Section::User, Section::Profile1, Section::Profile2, Section::Profile3};

constexpr Area areaOf(Section section) {
    switch (section) {
        case Section::Vendor:
            return kVendor;
        case Section::User:
            return kUser;
        case Section::Profile1:
            return kProfile1;
        case Section::Profile2:
            return kProfile2;
        case Section::Profile3:
            return kProfile3;
    }
    return kVendor;
}

constexpr const char* nameOf(Section section) {
    switch (section) {
        case Section::Vendor:
            return "Vendor";
        case Section::User:
            return "User";
        case Section::Profile1:
            return "Profile1";
        case Section::Profile2:
            return "Profile2";
        case Section::Profile3:
            return "Profile3";
    }
    return "";
}

// Vendor section offsets named by the image format itself.
inline constexpr std::size_t kVendorProductTextOffset = 111;  // 16 ASCII characters
inline constexpr std::size_t kVendorProductTextLength = 16;
inline constexpr std::size_t kVendorComboKeysOffset = 127;  // nine 4-byte key codes
inline constexpr std::size_t kComboKeyCount = 9;

}  // namespace gm::image
