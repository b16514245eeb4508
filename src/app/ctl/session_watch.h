#pragma once
// gmousectl watch: runs the device session and prints what happens to the mouse.

#include "app/ctl/command.h"

namespace gm::ctl {

Command watchCommand();

}  // namespace gm::ctl
