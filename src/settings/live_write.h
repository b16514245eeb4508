#pragma once
// How a setting reaches the mouse. The caller has changed the working copy; these send its
// bytes. While a whole image is read (the read busy flag) nothing is sent. The image buffer
// stands for what the mouse holds: a write the mouse took updates it, and a write it refused
// (or that could not start) puts the buffer's bytes back into the working copy, so the views
// never show a change that did not reach the mouse.
#include <cstddef>
#include <cstdint>

#include "device/result.h"
#include "device/session/workspace.h"
#include "image/layout.h"
#include "settings/display.h"

namespace gm::settings {

// The working-copy byte at an image address of the Vendor or User section.
std::uint8_t& workingByte(image::ImageModel& model, std::size_t address);

// One live write of `count` (1..3) working-copy bytes at `address`, followed by the section's
// check byte when the write changed it: the mouse does not recompute it, and a section whose
// check byte is wrong is rebuilt from defaults on the next read, losing the change.
device::Result writeLive(device::Workspace& workspace, std::size_t address, std::uint8_t count);

// Sets the three working-copy bytes at `address` to `colour` (red, green, blue) and writes them
// as one live write, as writeLive() does.
device::Result writeColour(device::Workspace& workspace, std::size_t address, Rgb colour);

// The same without the check byte, for a run of writes to one section that ends in
// writeCheckByte().
device::Result writeLiveUnchecked(device::Workspace& workspace, std::size_t address,
                                  std::uint8_t count);
// Writes the check byte of the section holding `address` when what the mouse holds needs it.
device::Result writeCheckByte(device::Workspace& workspace, std::size_t address);

// The block write of a whole working-copy area (fire key area, patch header); the progress
// window is hidden afterwards.
device::Result writeArea(device::Workspace& workspace, image::Area area, device::Step step);

// Whether a change handler may send now (false while the image is being read).
bool maySend(device::Workspace& workspace);

}  // namespace gm::settings
