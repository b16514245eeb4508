#pragma once
// The state the settings keep beside the image, taken from the image on every read: the LED
// type text, the package item and the report rate the mouse runs at.
#include "device/session/workspace.h"
#include "image/image_model.h"

namespace gm::settings {

// Sets the LED type text, the package item and the report rate from the image buffer.
void takeImageState(image::ImageModel& model);

// Makes every whole-image read of the workspace's session take that state (before the sections
// are checked, so a section rebuilt from defaults uses the mouse's LED type). A driver calls it
// once, before it connects.
void followImageReads(device::Workspace& workspace);

}  // namespace gm::settings
