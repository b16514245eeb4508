#pragma once
// The LED lighting: LED type and mode (User 1), the LED speed (Vendor 56), the ten user colours
// (Vendor 57..86) and the MCU LED settings (Patch-code header bytes 8..15, 4210A only).
#include <cstdint>
#include <optional>

#include "device/result.h"
#include "device/session/workspace.h"
#include "settings/display.h"

namespace gm::settings {

inline constexpr std::size_t kLedByteAddress = image::kUser.offset + 1;
inline constexpr std::size_t kStepTimeAddress = 56;
inline constexpr std::size_t kUserColoursAddress = 57;
inline constexpr int kUserColourCount = 10;
inline constexpr int kSpeedSteps = 10;

// The LED byte of the working copy, decoded.
LedByte ledOf(const image::ImageModel& model);

// Chooses the LED type: sets the package and key-matrix options for it ("RGB LED" and
// "Multi Key" for the RGB LED, else "A-Tech LED" and "IO"), writes User 1 with the type's
// starting mode, and loads the defaults for the type into the mouse (a whole-image write).
device::Result setLedType(device::Workspace& workspace, LedType type);
// Chooses a mode of the current type by its index into modeNames(); bits 7-4 of User 1 stay.
device::Result setLedMode(device::Workspace& workspace, int mode);
// The ZK LED's lamp count, 1..8.
device::Result setZkLamps(device::Workspace& workspace, int lamps);
// User colour k (1..10) in one three-byte write.
device::Result setUserColour(device::Workspace& workspace, int k, Rgb colour);
// The modes offered to the user (Vendor 42): whether mode `mode` of the current type is offered.
// The MCU LED's modes use bits 1..7; the ZK LED's five modes bits 0, 1, 2, 4 and 5; the other
// types' bits 0..6.
bool modeOffered(const image::ImageModel& model, int mode);
device::Result setModeOffered(device::Workspace& workspace, int mode, bool offered);

// The breathing parameters, clamped to their ranges and written high byte first.
enum class Breathing { Lower, Upper, LowerTime, UpperTime, StepTime };
int breathingOf(const image::ImageModel& model, Breathing which);
device::Result setBreathing(device::Workspace& workspace, Breathing which, int value);

// The speed bar: step s (1..10) writes the step time 55 - 5s.
device::Result setSpeedStep(device::Workspace& workspace, int step);
// The speed step (1..10) a step time shows as.
int speedStepOf(std::uint8_t stepTime);

inline constexpr int kMcuSteps = 8;
inline constexpr int kMcuMinLamps = 4;
inline constexpr int kMcuMaxLamps = 13;
struct McuLed {
    int step = 0;  // 0..7; stored as 7 - step
    bool fullBrightness = true;
    int lamps = kMcuMaxLamps;  // 4..13; stored as 13 - lamps
    bool operator==(const McuLed&) const = default;
};
McuLed mcuLedOf(const image::ImageModel& model);
// Writes the header bytes 8..15 with the block write and hands bytes 8 and 9 to the running
// firmware through XDATA 07C4 and 07C5. Unsupported on the 4230A.
device::Result setMcuLed(device::Workspace& workspace, const McuLed& settings);

}  // namespace gm::settings
