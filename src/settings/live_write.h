#pragma once
// How a setting reaches the mouse: the caller changes the working copy, then sends its bytes
// through the image writes (device/session/image_writes.h), whose contract every setting keeps.
#include <cstddef>

#include "device/result.h"
#include "device/session/image_writes.h"
#include "device/session/workspace.h"
#include "settings/display.h"

namespace gm::settings {

using device::session::CheckByte;
using device::session::maySend;
using device::session::workingByte;
using device::session::writeArea;
using device::session::writeCheckByte;
using device::session::writeLive;

// Sets the three working-copy bytes at `address` to `colour` (red, green, blue) and writes them
// as one live write with its check byte.
device::Result writeColour(device::Workspace& workspace, std::size_t address, Rgb colour);

}  // namespace gm::settings
