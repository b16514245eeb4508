#include "image/section_defaults.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "image/check_byte.h"

namespace gm::image {

namespace {

using Bytes = std::span<std::uint8_t>;

// What the LED type decides in the Vendor and User defaults.
struct LedTypeDefaults {
    std::uint8_t vendor5;                // package, key matrix and CPI indication bits
    std::uint8_t vendor7;                // LED drive and option bits
    std::uint8_t modeMask;               // Vendor 42: modes offered to the user
    std::uint8_t userLedByte;            // User 1: LED type and mode
    std::array<std::uint8_t, 9> breath;  // Vendor 48..56: brightness levels, delays, step time
    bool setsColours;                    // Vendor 57..110 rewritten ("Sync" keeps them)
};

constexpr LedTypeDefaults kRgbDefaults{
    0xFF, 0x7F, 0x3F, 0x05, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08}, true};
constexpr LedTypeDefaults kSyncDefaults{
    0x3F, 0xBF, 0x05, 0x42, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x6D, 0x60, 0x08}, false};
constexpr LedTypeDefaults kZkDefaults{
    0x3F, 0xCF, 0x37, 0xF5, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}, true};
constexpr LedTypeDefaults kMcuLedDefaults{
    0x3F, 0xCF, 0x7F, 0x81, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}, true};

// Any text other than the four known ones (no identification yet) takes the RGB values.
const LedTypeDefaults& ledTypeDefaults(std::string_view ledType) {
    if (ledType == "Sync")
        return kSyncDefaults;
    if (ledType == "NT")
        return kZkDefaults;
    if (ledType == "MCULED")
        return kMcuLedDefaults;
    return kRgbDefaults;
}

// Vendor 0..4: vendor id 7A3E, product id 08B8, option byte 4.
constexpr std::array<std::uint8_t, 5> kVendorHead{0x7A, 0x3E, 0x08, 0xB8, 0xBF};
constexpr std::uint8_t kVendor6 = 0x7F;
// Vendor 8..39: option byte 8, then the sensor tuning registers 9..39.
constexpr std::array<std::uint8_t, 32> kVendor8To39{
    0xAF, 0x20, 0x35, 0x29, 0x10, 0x30, 0x1A, 0x00, 0x00, 0x45, 0x02, 0xEF, 0x10, 0xEF, 0x10, 0xEF,
    0x10, 0xFF, 0x10, 0x50, 0x03, 0x01, 0x02, 0x48, 0x96, 0xFA, 0x20, 0x1E, 0x02, 0x01, 0x20, 0x00};
// Vendor 40..41, the LED initialisation values, by package item.
constexpr std::array<std::uint8_t, 2> kLedInitATech{0x06, 0x87};
constexpr std::array<std::uint8_t, 2> kLedInitRgb{0x10, 0xE0};
// Vendor 43..47: four CPI levels, values 1000 1600 2400 3200, levels 5..8 at 200.
constexpr std::array<std::uint8_t, 5> kCpiDefaults{0x03, 0x64, 0x98, 0x00, 0x00};
// Vendor 57..86: the ten user colours.
constexpr std::array<std::uint8_t, 30> kUserColours{
    0xFF, 0x00, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF,
    0x00, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
// Vendor 87..110: the eight CPI level colours.
constexpr std::array<std::uint8_t, 24> kLevelColours{
    0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x00,
    0xFF, 0x00, 0x80, 0xFF, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x00, 0xFF};
constexpr std::string_view kProductText = "HID Gaming mouse";
// Vendor 127..162: Combo Key3 = 08010000 ("LED Switch"), the others 00000000.
constexpr std::size_t kComboKey3Offset = kVendorComboKeysOffset + 2 * kKeyCodeSize;
constexpr std::array<std::uint8_t, 4> kComboKey3{0x08, 0x01, 0x00, 0x00};

// Profile key tables, Key1..Key12.
constexpr std::array<std::uint8_t, 48> kProfileKeys{
    0x01, 0x01, 0x00, 0x00,  // Key1 left button
    0x01, 0x08, 0x00, 0x00,  // Key2 back button
    0x06, 0x12, 0x00, 0x10,  // Key3 fire key, 3 shots, interval 16
    0x01, 0x02, 0x00, 0x00,  // Key4 right button
    0x01, 0x10, 0x00, 0x00,  // Key5 forward button
    0x02, 0x08, 0x07, 0x00,  // Key6 Win+D (desktop)
    0x01, 0x04, 0x00, 0x00,  // Key7 middle button
    0x09, 0x00, 0x00, 0x00,  // Key8 DPI loop
    0x08, 0x00, 0x00, 0x00,  // Key9 LED switch
    0x00, 0x00, 0x00, 0x00,  // Key10 off
    0x00, 0x00, 0x00, 0x00,  // Key11 off
    0x00, 0x00, 0x00, 0x00,  // Key12 off
};

template <std::size_t N>
void put(Bytes bytes, std::size_t offset, const std::array<std::uint8_t, N>& values) {
    std::copy(values.begin(), values.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

void applyVendorDefaults(Bytes vendor, const ImageModel& model) {
    const LedTypeDefaults& led = ledTypeDefaults(model.ledTypeText);
    put(vendor, 0, kVendorHead);
    vendor[5] = led.vendor5;
    vendor[6] = kVendor6;
    vendor[7] = led.vendor7;
    put(vendor, 8, kVendor8To39);
    if (model.packageItem == 0)
        put(vendor, 40, kLedInitATech);
    if (model.packageItem == 1)
        put(vendor, 40, kLedInitRgb);
    vendor[42] = led.modeMask;
    put(vendor, 43, kCpiDefaults);
    put(vendor, 48, led.breath);
    if (led.setsColours) {
        put(vendor, 57, kUserColours);
        put(vendor, 87, kLevelColours);
    }
    std::copy(kProductText.begin(), kProductText.end(),
              vendor.begin() + static_cast<std::ptrdiff_t>(kVendorProductTextOffset));
    std::fill_n(vendor.begin() + static_cast<std::ptrdiff_t>(kVendorComboKeysOffset),
                kComboKeyCount * kKeyCodeSize, std::uint8_t{0});
    put(vendor, kComboKey3Offset, kComboKey3);
}

void applyUserDefaults(Bytes user, const ImageModel& model) {
    std::fill(user.begin(), user.end(), std::uint8_t{0});
    user[1] = ledTypeDefaults(model.ledTypeText).userLedByte;
    user[2] = 0x01;  // current CPI level 2
    user[3] = 0x01;
}

void applyProfileDefaults(Bytes profile, const ImageModel& model) {
    if (model.packageItem != 0 && model.packageItem != 1)
        return;
    put(profile, 0, kProfileKeys);
}

}  // namespace

void applySectionDefaults(Section section, ImageModel& model) {
    const Bytes copy = workingCopyOf(section, model.copies);
    switch (section) {
        case Section::Vendor:
            applyVendorDefaults(copy, model);
            break;
        case Section::User:
            applyUserDefaults(copy, model);
            break;
        case Section::Profile1:
        case Section::Profile2:
        case Section::Profile3:
            applyProfileDefaults(copy, model);
            break;
    }
    setCheckByte(copy);
}

std::array<std::uint8_t, 12> fireKeyAreaDefaults() {
    return {0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x03, 0x00, 0x78, 0x07, 0x00, 0xC8, kMarker};
}

}  // namespace gm::image
