#include "host/capture/evdev_usages.h"

#include <array>

namespace gm::host {

namespace {

// The Linux kernel's hid_keyboard[] table of drivers/hid/hid-input.c (usage -> evdev code) read
// in inverse. Where the kernel gives several usages one code (KEY_BACKSLASH from 0x31 and 0x32,
// KEY_DELETE from 0x4C, 0x9C and 0xD8, the 0xE8.. media duplicates) the lowest usage is taken:
// the one a standard keyboard sends for that key.
constexpr std::array<EvdevUsage, 151> kKeyboardPage{{
    {1, 0x29},    // KEY_ESC
    {2, 0x1E},    // KEY_1
    {3, 0x1F},    // KEY_2
    {4, 0x20},    // KEY_3
    {5, 0x21},    // KEY_4
    {6, 0x22},    // KEY_5
    {7, 0x23},    // KEY_6
    {8, 0x24},    // KEY_7
    {9, 0x25},    // KEY_8
    {10, 0x26},   // KEY_9
    {11, 0x27},   // KEY_0
    {12, 0x2D},   // KEY_MINUS
    {13, 0x2E},   // KEY_EQUAL
    {14, 0x2A},   // KEY_BACKSPACE
    {15, 0x2B},   // KEY_TAB
    {16, 0x14},   // KEY_Q
    {17, 0x1A},   // KEY_W
    {18, 0x08},   // KEY_E
    {19, 0x15},   // KEY_R
    {20, 0x17},   // KEY_T
    {21, 0x1C},   // KEY_Y
    {22, 0x18},   // KEY_U
    {23, 0x0C},   // KEY_I
    {24, 0x12},   // KEY_O
    {25, 0x13},   // KEY_P
    {26, 0x2F},   // KEY_LEFTBRACE
    {27, 0x30},   // KEY_RIGHTBRACE
    {28, 0x28},   // KEY_ENTER
    {29, 0xE0},   // KEY_LEFTCTRL
    {30, 0x04},   // KEY_A
    {31, 0x16},   // KEY_S
    {32, 0x07},   // KEY_D
    {33, 0x09},   // KEY_F
    {34, 0x0A},   // KEY_G
    {35, 0x0B},   // KEY_H
    {36, 0x0D},   // KEY_J
    {37, 0x0E},   // KEY_K
    {38, 0x0F},   // KEY_L
    {39, 0x33},   // KEY_SEMICOLON
    {40, 0x34},   // KEY_APOSTROPHE
    {41, 0x35},   // KEY_GRAVE
    {42, 0xE1},   // KEY_LEFTSHIFT
    {43, 0x31},   // KEY_BACKSLASH
    {44, 0x1D},   // KEY_Z
    {45, 0x1B},   // KEY_X
    {46, 0x06},   // KEY_C
    {47, 0x19},   // KEY_V
    {48, 0x05},   // KEY_B
    {49, 0x11},   // KEY_N
    {50, 0x10},   // KEY_M
    {51, 0x36},   // KEY_COMMA
    {52, 0x37},   // KEY_DOT
    {53, 0x38},   // KEY_SLASH
    {54, 0xE5},   // KEY_RIGHTSHIFT
    {55, 0x55},   // KEY_KPASTERISK
    {56, 0xE2},   // KEY_LEFTALT
    {57, 0x2C},   // KEY_SPACE
    {58, 0x39},   // KEY_CAPSLOCK
    {59, 0x3A},   // KEY_F1
    {60, 0x3B},   // KEY_F2
    {61, 0x3C},   // KEY_F3
    {62, 0x3D},   // KEY_F4
    {63, 0x3E},   // KEY_F5
    {64, 0x3F},   // KEY_F6
    {65, 0x40},   // KEY_F7
    {66, 0x41},   // KEY_F8
    {67, 0x42},   // KEY_F9
    {68, 0x43},   // KEY_F10
    {69, 0x53},   // KEY_NUMLOCK
    {70, 0x47},   // KEY_SCROLLLOCK
    {71, 0x5F},   // KEY_KP7
    {72, 0x60},   // KEY_KP8
    {73, 0x61},   // KEY_KP9
    {74, 0x56},   // KEY_KPMINUS
    {75, 0x5C},   // KEY_KP4
    {76, 0x5D},   // KEY_KP5
    {77, 0x5E},   // KEY_KP6
    {78, 0x57},   // KEY_KPPLUS
    {79, 0x59},   // KEY_KP1
    {80, 0x5A},   // KEY_KP2
    {81, 0x5B},   // KEY_KP3
    {82, 0x62},   // KEY_KP0
    {83, 0x63},   // KEY_KPDOT
    {85, 0x94},   // KEY_ZENKAKUHANKAKU
    {86, 0x64},   // KEY_102ND
    {87, 0x44},   // KEY_F11
    {88, 0x45},   // KEY_F12
    {89, 0x87},   // KEY_RO
    {90, 0x92},   // KEY_KATAKANA
    {91, 0x93},   // KEY_HIRAGANA
    {92, 0x8A},   // KEY_HENKAN
    {93, 0x88},   // KEY_KATAKANAHIRAGANA
    {94, 0x8B},   // KEY_MUHENKAN
    {95, 0x8C},   // KEY_KPJPCOMMA
    {96, 0x58},   // KEY_KPENTER
    {97, 0xE4},   // KEY_RIGHTCTRL
    {98, 0x54},   // KEY_KPSLASH
    {99, 0x46},   // KEY_SYSRQ
    {100, 0xE6},  // KEY_RIGHTALT
    {102, 0x4A},  // KEY_HOME
    {103, 0x52},  // KEY_UP
    {104, 0x4B},  // KEY_PAGEUP
    {105, 0x50},  // KEY_LEFT
    {106, 0x4F},  // KEY_RIGHT
    {107, 0x4D},  // KEY_END
    {108, 0x51},  // KEY_DOWN
    {109, 0x4E},  // KEY_PAGEDOWN
    {110, 0x49},  // KEY_INSERT
    {111, 0x4C},  // KEY_DELETE
    {116, 0x66},  // KEY_POWER
    {117, 0x67},  // KEY_KPEQUAL
    {119, 0x48},  // KEY_PAUSE
    {121, 0x85},  // KEY_KPCOMMA
    {122, 0x90},  // KEY_HANGEUL
    {123, 0x91},  // KEY_HANJA
    {124, 0x89},  // KEY_YEN
    {125, 0xE3},  // KEY_LEFTMETA
    {126, 0xE7},  // KEY_RIGHTMETA
    {127, 0x65},  // KEY_COMPOSE
    {129, 0x79},  // KEY_AGAIN
    {130, 0x76},  // KEY_PROPS
    {131, 0x7A},  // KEY_UNDO
    {132, 0x77},  // KEY_FRONT
    {133, 0x7C},  // KEY_COPY
    {134, 0x74},  // KEY_OPEN
    {135, 0x7D},  // KEY_PASTE
    {136, 0x7E},  // KEY_FIND
    {137, 0x7B},  // KEY_CUT
    {138, 0x75},  // KEY_HELP
    {140, 0xFB},  // KEY_CALC
    {142, 0xF8},  // KEY_SLEEP
    {150, 0xF0},  // KEY_WWW
    {152, 0xF9},  // KEY_COFFEE
    {161, 0xEC},  // KEY_EJECTCD
    {176, 0xF7},  // KEY_EDIT
    {177, 0xF5},  // KEY_SCROLLUP
    {178, 0xF6},  // KEY_SCROLLDOWN
    {179, 0xB6},  // KEY_KPLEFTPAREN
    {180, 0xB7},  // KEY_KPRIGHTPAREN
    {183, 0x68},  // KEY_F13
    {184, 0x69},  // KEY_F14
    {185, 0x6A},  // KEY_F15
    {186, 0x6B},  // KEY_F16
    {187, 0x6C},  // KEY_F17
    {188, 0x6D},  // KEY_F18
    {189, 0x6E},  // KEY_F19
    {190, 0x6F},  // KEY_F20
    {191, 0x70},  // KEY_F21
    {192, 0x71},  // KEY_F22
    {193, 0x72},  // KEY_F23
    {194, 0x73},  // KEY_F24
}};

// Media keys as the mouse plays them from a keyboard code: its multimedia usages 0xC0..0xD1
// ("Volume_Mute", "Media_Next_Track", "Browser_Back" ...), which the kernel's keyboard page
// has no usages for (or only unnamed ones, 0x7F..0x81 and 0xE8..).
constexpr std::array<EvdevUsage, 16> kMultimedia{{
    {113, 0xC4},  // KEY_MUTE
    {114, 0xC6},  // KEY_VOLUMEDOWN
    {115, 0xC5},  // KEY_VOLUMEUP
    {128, 0xCC},  // KEY_STOP
    {155, 0xC7},  // KEY_MAIL
    {156, 0xCE},  // KEY_BOOKMARKS
    {158, 0xCA},  // KEY_BACK
    {159, 0xCB},  // KEY_FORWARD
    {163, 0xC0},  // KEY_NEXTSONG
    {164, 0xC3},  // KEY_PLAYPAUSE
    {165, 0xC1},  // KEY_PREVIOUSSONG
    {166, 0xC2},  // KEY_STOPCD
    {172, 0xC9},  // KEY_HOMEPAGE
    {173, 0xCD},  // KEY_REFRESH
    {217, 0xC8},  // KEY_SEARCH
    {226, 0xD1},  // KEY_MEDIA
}};

constexpr std::uint8_t kNone = 0;

constexpr std::array<std::uint8_t, 256> denseTable() {
    std::array<std::uint8_t, 256> table{};
    for (const EvdevUsage& entry : kKeyboardPage)
        table[entry.code] = entry.usage;
    for (const EvdevUsage& entry : kMultimedia)
        table[entry.code] = entry.usage;
    return table;
}

constexpr std::array<std::uint8_t, 256> kByCode = denseTable();

}  // namespace

std::optional<std::uint8_t> usageOfEvdevCode(unsigned code) {
    if (code >= kByCode.size() || kByCode[code] == kNone)
        return std::nullopt;
    return kByCode[code];
}

std::optional<std::uint8_t> usageOfXkbKeycode(unsigned keycode) {
    constexpr unsigned kXkbOffset = 8;
    if (keycode <= kXkbOffset)
        return std::nullopt;
    return usageOfEvdevCode(keycode - kXkbOffset);
}

std::span<const EvdevUsage> keyboardPageTable() {
    return kKeyboardPage;
}

std::span<const EvdevUsage> multimediaTable() {
    return kMultimedia;
}

}  // namespace gm::host
