#pragma once
// What the macro editors record from: key and mouse-button transitions of the real keyboard and
// mouse, each stamped with the injectable clock's time. A source delivers them on the window
// thread, only between start() and stop(); no thread polls a flag for them.

#include <cstdint>

#include "device/clock.h"

namespace gm::host {

enum class MouseButton { Left, Right, Middle, Back /* X1 */, Forward /* X2 */ };

struct KeyTransition {
    std::uint8_t usage = 0;  // HID keyboard usage of the key's physical position; 0: unknown
    bool down = false;
    bool autoRepeat = false;  // a down the keyboard repeats while the key is held
    device::Micros at{};
};

struct ButtonTransition {
    MouseButton button = MouseButton::Left;
    bool down = false;
    device::Micros at{};
};

class CaptureSink {
public:
    virtual ~CaptureSink() = default;
    virtual void keyTransition(const KeyTransition& transition) = 0;
    virtual void buttonTransition(const ButtonTransition& transition) = 0;
};

class InputCapture {
public:
    virtual ~InputCapture() = default;
    // Delivers every transition to `sink` until stop(); a second start replaces the sink.
    virtual void start(CaptureSink& sink) = 0;
    virtual void stop() = 0;
    virtual bool active() const = 0;
};

}  // namespace gm::host
