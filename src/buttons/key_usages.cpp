#include "buttons/key_usages.h"

#include <array>
#include <string>

namespace gm::buttons {

namespace {

struct NamedUsage {
    std::uint8_t usage;
    std::string_view name;
};

// Names of usages outside the letter, digit and function-key runs.
constexpr std::array<NamedUsage, 67> kNamedUsages{{
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "Space bar"},
    {45, "OEM_Minus"},
    {46, "OEM_Plus"},
    {47, "OEM_4"},
    {48, "OEM_6"},
    {49, "OEM_5"},
    {51, "OEM_1"},
    {52, "OEM_7"},
    {53, "OEM_3"},
    {54, "OEM_Comma"},
    {55, "OEM_Period"},
    {56, "OEM_2"},
    {57, "Caps Lock"},
    {70, "Print Screen"},
    {71, "Scroll Lock"},
    {72, "Pause"},
    {73, "Insert"},
    {74, "Home"},
    {75, "Page Up"},
    {76, "Delete"},
    {77, "End"},
    {78, "Page Down"},
    {79, "Right Arrow"},
    {80, "Left Arrow"},
    {81, "Down Arrow"},
    {82, "Up Arrow"},
    {83, "Num Lock"},
    {84, "Divide (numeric pad)"},
    {85, "Multiply (numeric pad)"},
    {86, "Subtract (numeric pad)"},
    {87, "Add (numeric pad)"},
    {88, "Separator (numeric pad)"},
    {98, "0 (numeric pad)"},
    {99, "Decimal (numeric pad)"},
    {101, "Applications"},
    {117, "Help"},
    {119, "Select"},
    {156, "Clear"},
    {192, "Media_Next_Track"},
    {193, "Media_Prev_Track"},
    {194, "Media_Stop"},
    {195, "Media_Play_Pause"},
    {196, "Volume_Mute"},
    {197, "Volume_Up"},
    {198, "Volume_Down"},
    {199, "Launch_Mail"},
    {200, "Browser_Search"},
    {201, "Browser_Home"},
    {202, "Browser_Back"},
    {203, "Browser_Forward"},
    {204, "Browser_Stop"},
    {205, "Browser_Refresh"},
    {206, "Browser_Favorites"},
    {209, "Launch_Media_Select"},
    {224, "Left Ctrl"},
    {225, "Left Shift"},
    {226, "Left Alt"},
    {227, "Win"},
    {228, "Right Ctrl"},
    {229, "Right Shift"},
    {230, "Right Alt"},
    {231, "Win"},
    {0, ""},
}};

// Names built from a number: "A".."Z", "1".."0", "F1".."F24", "1 (numeric pad)".."9 (...)".
std::string_view runName(std::uint8_t usage) {
    static const std::array<std::string, 256> names = [] {
        std::array<std::string, 256> built;
        for (int u = 4; u <= 29; ++u)
            built[static_cast<std::size_t>(u)] = std::string(1, static_cast<char>('A' + u - 4));
        for (int u = 30; u <= 38; ++u)
            built[static_cast<std::size_t>(u)] = std::to_string(u - 29);
        built[39].assign(1, '0');
        // Appended, not "F" + string: GCC 12 at -O3 warns falsely (-Wrestrict) about that.
        const auto functionKey = [](int number) {
            return std::string(1, 'F').append(std::to_string(number));
        };
        for (int u = 58; u <= 69; ++u)
            built[static_cast<std::size_t>(u)] = functionKey(u - 57);
        for (int u = 104; u <= 115; ++u)
            built[static_cast<std::size_t>(u)] = functionKey(u - 91);
        for (int u = 89; u <= 97; ++u)
            built[static_cast<std::size_t>(u)] = std::to_string(u - 88) + " (numeric pad)";
        return built;
    }();
    return names[usage];
}

// The key table of the capture, by index: name and usage.
constexpr std::array<KeyIndexEntry, kKeyIndexCount> kKeyIndex{{
    {"None", 0},
    {"Demo", 0},
    {"255", 0},
    {"Backspace", 42},
    {"Tab", 43},
    {"Clear", 156},
    {"Enter", 40},
    {"Shift", 225},
    {"Ctrl", 224},
    {"Alt", 226},
    {"Pause", 72},
    {"Caps Lock", 57},
    {"Esc", 41},
    {"Space bar", 44},
    {"Page Up", 75},
    {"Page Down", 78},
    {"End", 77},
    {"Home", 74},
    {"Left Arrow", 80},
    {"Up Arrow", 82},
    {"Right Arrow", 79},
    {"Down Arrow", 81},
    {"Select", 119},
    {"Print Screen", 70},
    {"Insert", 73},
    {"Delete", 76},
    {"Help", 117},
    {"Left Windows", 227},
    {"Right Windows", 231},
    {"Applications", 101},
    {"0 (numeric pad)", 98},
    {"1 (numeric pad)", 89},
    {"2 (numeric pad)", 90},
    {"3 (numeric pad)", 91},
    {"4 (numeric pad)", 92},
    {"5 (numeric pad)", 93},
    {"6 (numeric pad)", 94},
    {"7 (numeric pad)", 95},
    {"8 (numeric pad)", 96},
    {"9 (numeric pad)", 97},
    {"Multiply (numeric pad)", 85},
    {"Add (numeric pad)", 87},
    {"Separator (numeric pad)", 88},
    {"Subtract (numeric pad)", 86},
    {"Decimal (numeric pad)", 99},
    {"Divide (numeric pad)", 84},
    {"F1", 58},
    {"F2", 59},
    {"F3", 60},
    {"F4", 61},
    {"F5", 62},
    {"F6", 63},
    {"F7", 64},
    {"F8", 65},
    {"F9", 66},
    {"F10", 67},
    {"F11", 68},
    {"F12", 69},
    {"F13", 104},
    {"F14", 105},
    {"F15", 106},
    {"F16", 107},
    {"F17", 108},
    {"F18", 109},
    {"F19", 110},
    {"F20", 111},
    {"F21", 112},
    {"F22", 113},
    {"F23", 114},
    {"F24", 115},
    {"Num Lock", 83},
    {"Scroll Lock", 71},
    {"Left Shift", 225},
    {"Right Shift", 229},
    {"Left Ctrl", 224},
    {"Right Ctrl", 228},
    {"Left Alt", 226},
    {"Right Alt", 230},
    {"A", 4},
    {"B", 5},
    {"C", 6},
    {"D", 7},
    {"E", 8},
    {"F", 9},
    {"G", 10},
    {"H", 11},
    {"I", 12},
    {"J", 13},
    {"K", 14},
    {"L", 15},
    {"M", 16},
    {"N", 17},
    {"O", 18},
    {"P", 19},
    {"Q", 20},
    {"R", 21},
    {"S", 22},
    {"T", 23},
    {"U", 24},
    {"V", 25},
    {"W", 26},
    {"X", 27},
    {"Y", 28},
    {"Z", 29},
    {"0", 39},
    {"1", 30},
    {"2", 31},
    {"3", 32},
    {"4", 33},
    {"5", 34},
    {"6", 35},
    {"7", 36},
    {"8", 37},
    {"9", 38},
    {"OEM_1", 51},
    {"OEM_2", 56},
    {"OEM_3", 53},
    {"OEM_4", 47},
    {"OEM_5", 49},
    {"OEM_6", 48},
    {"OEM_7", 52},
    {"OEM_8", 0},
    {"OEM_Plus", 46},
    {"OEM_Comma", 54},
    {"OEM_Minus", 45},
    {"OEM_Period", 55},
    {"Browser_Back", 202},
    {"Browser_Forward", 203},
    {"Browser_Refresh", 205},
    {"Browser_Stop", 204},
    {"Browser_Search", 200},
    {"Browser_Favorites", 206},
    {"Browser_Home", 201},
    {"Volume_Mute", 196},
    {"Volume_Down", 198},
    {"Volume_Up", 197},
    {"Media_Next_Track", 192},
    {"Media_Prev_Track", 193},
    {"Media_Stop", 194},
    {"Media_Play_Pause", 195},
    {"Launch_Mail", 199},
    {"Launch_Media_Select", 209},
    {"Launch_App1", 0},
    {"Launch_App2", 0},
}};

}  // namespace

std::string_view keyNameOfUsage(std::uint8_t usage) {
    if (const std::string_view name = runName(usage); !name.empty())
        return name;
    for (const NamedUsage& named : kNamedUsages) {
        if (named.usage == usage && usage != 0)
            return named.name;
    }
    return {};
}

std::optional<std::uint8_t> usageOfKeyName(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    for (int usage = 1; usage < 256; ++usage) {
        if (keyNameOfUsage(static_cast<std::uint8_t>(usage)) == name)
            return static_cast<std::uint8_t>(usage);
    }
    return std::nullopt;
}

std::optional<KeyIndexEntry> keyIndexEntry(std::size_t index) {
    if (index >= kKeyIndex.size())
        return std::nullopt;
    return kKeyIndex[index];
}

}  // namespace gm::buttons
