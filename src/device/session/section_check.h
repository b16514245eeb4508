#pragma once
// What happens to an image read from the mouse before it is split into its working copies,
// where a checked section whose check byte does not fit its bytes is rebuilt from defaults:
//  - a section left so by an interrupted write of the journal, holding what it held before or
//    what was asked, gets the check byte that fits on the mouse, and the user is told which;
//    one a block write left partly written is written again whole as asked;
//  - any section still to be rebuilt is first kept: the image exactly as read goes into a new
//    backup, and the user is told which section is rebuilt and which backup holds what it had.

#include "device/session/workspace.h"

namespace gm::device::session {

void checkSectionsAsRead(Workspace& workspace);

}  // namespace gm::device::session
