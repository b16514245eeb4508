// The key table against the kernel's own: every evdev code the Linux kernel gives a keyboard
// usage maps back to that usage (the mouse's media usages aside), and the usages of the key
// index table are reachable, named, and found again by their names.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "buttons/key_usages.h"
#include "host/capture/evdev_usages.h"

namespace gm::host {
namespace {

constexpr unsigned unk = 240;  // KEY_UNKNOWN: the kernel has no key for the usage

// hid_keyboard[] of the Linux kernel's drivers/hid/hid-input.c as it stands there: index the
// HID keyboard usage, value the evdev key code.
// clang-format off
constexpr std::array<unsigned, 256> kKernelHidKeyboard{
    0,  0,  0,  0, 30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38,
    50, 49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44,  2,  3,
    4,  5,  6,  7,  8,  9, 10, 11, 28,  1, 14, 15, 57, 12, 13, 26,
    27, 43, 43, 39, 40, 41, 51, 52, 53, 58, 59, 60, 61, 62, 63, 64,
    65, 66, 67, 68, 87, 88, 99, 70,119,110,102,104,111,107,109,106,
    105,108,103, 69, 98, 55, 74, 78, 96, 79, 80, 81, 75, 76, 77, 71,
    72, 73, 82, 83, 86,127,116,117,183,184,185,186,187,188,189,190,
    191,192,193,194,134,138,130,132,128,129,131,137,133,135,136,113,
    115,114,unk,unk,unk,121,unk, 89, 93,124, 92, 94, 95,unk,unk,unk,
    122,123, 90, 91, 85,unk,unk,unk,unk,unk,unk,unk,111,unk,unk,unk,
    unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,
    unk,unk,unk,unk,unk,unk,179,180,unk,unk,unk,unk,unk,unk,unk,unk,
    unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,unk,
    unk,unk,unk,unk,unk,unk,unk,unk,111,unk,unk,unk,unk,unk,unk,unk,
    29, 42, 56,125, 97, 54,100,126,164,166,165,163,161,115,114,113,
    150,158,159,128,136,177,178,176,142,152,173,140,unk,unk,unk,unk
};
// clang-format on

// The lowest usage the kernel gives each evdev code.
std::map<unsigned, std::uint8_t> kernelInverse() {
    std::map<unsigned, std::uint8_t> inverse;
    for (unsigned usage = 0; usage < kKernelHidKeyboard.size(); ++usage) {
        const unsigned code = kKernelHidKeyboard[usage];
        if (code != 0 && code != unk)
            inverse.emplace(code, static_cast<std::uint8_t>(usage));
    }
    return inverse;
}

std::set<unsigned> multimediaCodes() {
    std::set<unsigned> codes;
    for (const EvdevUsage& entry : multimediaTable())
        codes.insert(entry.code);
    return codes;
}

TEST(EvdevUsages, EveryCodeTheKernelMapsGivesTheKernelsUsage) {
    const std::set<unsigned> media = multimediaCodes();
    for (const auto& [code, usage] : kernelInverse()) {
        if (media.contains(code))
            continue;
        EXPECT_EQ(usageOfEvdevCode(code), usage) << "evdev code " << code;
        EXPECT_EQ(usageOfXkbKeycode(code + 8), usage) << "XKB keycode " << code + 8;
    }
    // The keyboard-page part holds nothing the kernel does not map.
    for (const EvdevUsage& entry : keyboardPageTable())
        EXPECT_TRUE(kernelInverse().contains(entry.code)) << "evdev code " << entry.code;
}

TEST(EvdevUsages, ModifiersAreTheUsagesE0ToE7) {
    // KEY_LEFTCTRL, KEY_LEFTSHIFT, KEY_LEFTALT, KEY_LEFTMETA, KEY_RIGHTCTRL, KEY_RIGHTSHIFT,
    // KEY_RIGHTALT, KEY_RIGHTMETA.
    constexpr std::array<unsigned, 8> codes{29, 42, 56, 125, 97, 54, 100, 126};
    for (std::size_t i = 0; i < codes.size(); ++i)
        EXPECT_EQ(usageOfEvdevCode(codes[i]), 0xE0 + i) << "evdev code " << codes[i];
}

TEST(EvdevUsages, MediaKeysGoToTheMousesOwnNamedUsages) {
    const std::map<unsigned, std::string_view> expected{
        {113, "Volume_Mute"},      {114, "Volume_Down"},      {115, "Volume_Up"},
        {163, "Media_Next_Track"}, {165, "Media_Prev_Track"}, {166, "Media_Stop"},
        {164, "Media_Play_Pause"}, {155, "Launch_Mail"},      {226, "Launch_Media_Select"},
        {158, "Browser_Back"},     {159, "Browser_Forward"},  {173, "Browser_Refresh"},
        {128, "Browser_Stop"},     {217, "Browser_Search"},   {156, "Browser_Favorites"},
        {172, "Browser_Home"}};
    EXPECT_EQ(multimediaTable().size(), expected.size());
    for (const auto& [code, name] : expected) {
        const auto usage = usageOfEvdevCode(code);
        ASSERT_TRUE(usage.has_value()) << "evdev code " << code;
        EXPECT_EQ(buttons::keyNameOfUsage(*usage), name) << "evdev code " << code;
    }
}

TEST(EvdevUsages, KeyIndexUsagesAreReachableAndRoundTripToNames) {
    std::set<std::uint8_t> reachable;
    for (unsigned code = 0; code < 256; ++code) {
        if (const auto usage = usageOfEvdevCode(code))
            reachable.insert(*usage);
    }
    // "Clear" has no key of its own on PC keyboards under Linux (the kernel gives its usage the
    // Delete key); the Qt key Key_Clear gives it.
    constexpr std::uint8_t kClear = 156;
    for (std::size_t index = 0; index < buttons::kKeyIndexCount; ++index) {
        const buttons::KeyIndexEntry entry = *buttons::keyIndexEntry(index);
        if (entry.usage == 0)
            continue;
        if (entry.usage != kClear) {
            EXPECT_TRUE(reachable.contains(entry.usage)) << entry.name << " has no evdev code";
        }
        const std::string_view name = buttons::keyNameOfUsage(entry.usage);
        EXPECT_FALSE(name.empty()) << entry.name;
        // Both Windows keys are named "Win", which stands for the left one.
        const std::uint8_t back = entry.usage == 0xE7 ? 0xE3 : entry.usage;
        EXPECT_EQ(buttons::usageOfKeyName(name), back) << entry.name;
    }
}

}  // namespace
}  // namespace gm::host
