#pragma once
// Recording key and mouse-button transitions into a script, as the editor's Record and Insert
// Key do: a delay line before each event in the chosen delay mode, one press per key held (the
// keyboard's auto-repeat adds nothing), and a capacity that keeps the body within its 256 bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "device/clock.h"
#include "macros/macro_script.h"

namespace gm::macros {

// Event bytes a recording may fill: the body's 256 less the terminator and the playback
// wrapper, so an option can always be added afterwards.
inline constexpr std::size_t kRecordingCapacity = image::kMacroBodySize - 4;

class MacroRecorder {
public:
    enum class Take { Recorded, Ignored, Full };

    // Records into `script` from event position `at` on (the end for a new recording); the
    // delays follow `delays`, `fixedDelay` ms each in DelayMode::Fixed. The events may fill
    // `capacity` bytes (a fire record: its size less the terminator).
    MacroRecorder(MacroScript& script, std::size_t at, DelayMode delays, int fixedDelay,
                  std::size_t capacity = kRecordingCapacity);

    // A key's transition (a HID keyboard usage; modifiers are recorded as their mask). Ignored:
    // a key without a name, a press of a key already held, a release of one not pressed since
    // the recording began. Full: the event does not fit, the recording must end.
    Take key(std::uint8_t usage, bool down, device::Micros at);
    // A mouse button's transition, `bit` as macro bodies hold it (0x01 left .. 0x10 backward).
    Take button(int bit, bool down, device::Micros at);

    // Ends the recording: what is still held gets its release, so the macro never leaves a key
    // pressed in the mouse (the capacity always keeps room for these).
    void finish();

    // Where the next event goes.
    std::size_t position() const { return position_; }
    // Event bytes the script holds now.
    std::size_t usedBytes() const { return used_; }

private:
    Take record(const MacroEvent& event, device::Micros at);
    std::size_t delayBytes() const;
    void insert(const MacroEvent& event);

    MacroScript& script_;
    std::size_t position_;
    DelayMode delays_;
    int fixedDelay_;
    std::size_t capacity_;
    std::size_t used_ = 0;
    std::optional<device::Micros> lastAt_;
    std::vector<MacroEvent> held_;  // presses without their release yet, in press order
};

// The event a key usage records as: a modifier's mask event for 0xE0..0xE7 (both Ctrl, Shift
// and Alt keys as the left ones, as the Windows keys record them), a key event for a named
// usage, nothing for a key without a name.
std::optional<MacroEvent> keyEventOf(std::uint8_t usage, bool down);

}  // namespace gm::macros
