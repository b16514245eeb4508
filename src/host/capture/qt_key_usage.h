#pragma once
// The HID keyboard usage of a Qt key event: by the key's position (the native scan code, an XKB
// keycode on X11 and Wayland), else, where the platform gives none (offscreen, synthesized
// events), by its Qt key as it lies on a US keyboard.

#include <cstdint>

class QKeyEvent;

namespace gm::host {

// 0 when the key has no usage.
std::uint8_t usageOfKeyEvent(const QKeyEvent& event);

// The usage of a Qt key at its US position (Qt::Key_A 0x04, Qt::Key_Exclam 0x1E); `keypad`:
// the key came from the numeric pad. 0 when none.
std::uint8_t usageOfQtKey(int key, bool keypad);

}  // namespace gm::host
