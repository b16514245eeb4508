#include "host/capture/qt_key_usage.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <utility>

#include "host/capture/evdev_usages.h"

namespace gm::host {

namespace {

// Keys outside the letter, digit and function-key runs, at their US positions; shifted symbols
// lie on the key that types them.
constexpr std::pair<int, std::uint8_t> kQtKeys[]{
    {Qt::Key_Return, 0x28},
    {Qt::Key_Escape, 0x29},
    {Qt::Key_Backspace, 0x2A},
    {Qt::Key_Tab, 0x2B},
    {Qt::Key_Backtab, 0x2B},
    {Qt::Key_Space, 0x2C},
    {Qt::Key_Minus, 0x2D},
    {Qt::Key_Underscore, 0x2D},
    {Qt::Key_Equal, 0x2E},
    {Qt::Key_Plus, 0x2E},
    {Qt::Key_BracketLeft, 0x2F},
    {Qt::Key_BraceLeft, 0x2F},
    {Qt::Key_BracketRight, 0x30},
    {Qt::Key_BraceRight, 0x30},
    {Qt::Key_Backslash, 0x31},
    {Qt::Key_Bar, 0x31},
    {Qt::Key_Semicolon, 0x33},
    {Qt::Key_Colon, 0x33},
    {Qt::Key_Apostrophe, 0x34},
    {Qt::Key_QuoteDbl, 0x34},
    {Qt::Key_QuoteLeft, 0x35},
    {Qt::Key_AsciiTilde, 0x35},
    {Qt::Key_Comma, 0x36},
    {Qt::Key_Less, 0x36},
    {Qt::Key_Period, 0x37},
    {Qt::Key_Greater, 0x37},
    {Qt::Key_Slash, 0x38},
    {Qt::Key_Question, 0x38},
    {Qt::Key_Exclam, 0x1E},
    {Qt::Key_At, 0x1F},
    {Qt::Key_NumberSign, 0x20},
    {Qt::Key_Dollar, 0x21},
    {Qt::Key_Percent, 0x22},
    {Qt::Key_AsciiCircum, 0x23},
    {Qt::Key_Ampersand, 0x24},
    {Qt::Key_Asterisk, 0x25},
    {Qt::Key_ParenLeft, 0x26},
    {Qt::Key_ParenRight, 0x27},
    {Qt::Key_CapsLock, 0x39},
    {Qt::Key_Print, 0x46},
    {Qt::Key_SysReq, 0x46},
    {Qt::Key_ScrollLock, 0x47},
    {Qt::Key_Pause, 0x48},
    {Qt::Key_Insert, 0x49},
    {Qt::Key_Home, 0x4A},
    {Qt::Key_PageUp, 0x4B},
    {Qt::Key_Delete, 0x4C},
    {Qt::Key_End, 0x4D},
    {Qt::Key_PageDown, 0x4E},
    {Qt::Key_Right, 0x4F},
    {Qt::Key_Left, 0x50},
    {Qt::Key_Down, 0x51},
    {Qt::Key_Up, 0x52},
    {Qt::Key_NumLock, 0x53},
    {Qt::Key_Menu, 0x65},
    {Qt::Key_Help, 0x75},
    {Qt::Key_Select, 0x77},
    {Qt::Key_Clear, 0x9C},
    {Qt::Key_Control, 0xE0},
    {Qt::Key_Shift, 0xE1},
    {Qt::Key_Alt, 0xE2},
    {Qt::Key_Meta, 0xE3},
    {Qt::Key_Super_L, 0xE3},
    {Qt::Key_AltGr, 0xE6},
    {Qt::Key_Super_R, 0xE7},
    // The mouse's own multimedia usages.
    {Qt::Key_MediaNext, 0xC0},
    {Qt::Key_MediaPrevious, 0xC1},
    {Qt::Key_MediaStop, 0xC2},
    {Qt::Key_MediaTogglePlayPause, 0xC3},
    {Qt::Key_VolumeMute, 0xC4},
    {Qt::Key_VolumeUp, 0xC5},
    {Qt::Key_VolumeDown, 0xC6},
    {Qt::Key_LaunchMail, 0xC7},
    {Qt::Key_Search, 0xC8},
    {Qt::Key_HomePage, 0xC9},
    {Qt::Key_Back, 0xCA},
    {Qt::Key_MediaPlay, 0xC3},
    {Qt::Key_Forward, 0xCB},
    {Qt::Key_Stop, 0xCC},
    {Qt::Key_Refresh, 0xCD},
    {Qt::Key_Favorites, 0xCE},
    {Qt::Key_LaunchMedia, 0xD1},
};

constexpr std::pair<int, std::uint8_t> kKeypad[]{
    {Qt::Key_Slash, 0x54}, {Qt::Key_Asterisk, 0x55}, {Qt::Key_Minus, 0x56}, {Qt::Key_Plus, 0x57},
    {Qt::Key_Enter, 0x58}, {Qt::Key_Period, 0x63},   {Qt::Key_Equal, 0x67},
};

template <std::size_t N>
std::uint8_t lookUp(const std::pair<int, std::uint8_t> (&table)[N], int key) {
    for (const auto& [qtKey, usage] : table) {
        if (qtKey == key)
            return usage;
    }
    return 0;
}

// The platforms whose native scan code is an XKB keycode.
bool scanCodesAreXkb() {
    const QString platform = QGuiApplication::platformName();
    return platform == "xcb" || platform.startsWith("wayland");
}

}  // namespace

std::uint8_t usageOfQtKey(int key, bool keypad) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<std::uint8_t>(0x04 + key - Qt::Key_A);
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return static_cast<std::uint8_t>((keypad ? 0x59 : 0x1E) + key - Qt::Key_1);
    if (key == Qt::Key_0)
        return keypad ? 0x62 : 0x27;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<std::uint8_t>(0x3A + key - Qt::Key_F1);
    if (key >= Qt::Key_F13 && key <= Qt::Key_F24)
        return static_cast<std::uint8_t>(0x68 + key - Qt::Key_F13);
    if (keypad) {
        if (const std::uint8_t usage = lookUp(kKeypad, key); usage != 0)
            return usage;
    }
    if (key == Qt::Key_Enter)  // the main Enter key on some platforms
        return 0x28;
    return lookUp(kQtKeys, key);
}

std::uint8_t usageOfKeyEvent(const QKeyEvent& event) {
    if (event.nativeScanCode() != 0 && scanCodesAreXkb()) {
        if (const auto usage = usageOfXkbKeycode(event.nativeScanCode()))
            return *usage;
    }
    return usageOfQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

}  // namespace gm::host
