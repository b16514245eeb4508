#pragma once
// The profile push: how a change of the key tables reaches the mouse.

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::device::session {

enum class FireKeys { Kept, Written };

// Recomputes the check bytes of the three profile sections, writes their 147 bytes (and the
// fire key area when asked) as area writes (image_writes.h), re-reads the User section and writes
// User 0 as 15 and then its value, which makes the mouse take the new key tables. The User section
// changes only when its whole re-read arrived; any refused report fails the push, naming its step.
// An area the mouse did not take whole is left as asked: the caller settles it (settleRefusedArea)
// once the sequence is over.
Result pushProfiles(Workspace& workspace, FireKeys fireKeys);

// Re-reads the User section: the working copy and the buffer take it only when it arrived whole.
Result rereadUser(Workspace& workspace);

// The end of a push: re-reads the User section (it changes only when the whole re-read arrived)
// and writes User 0 as 15 and then its value, journalled so a cut between the two is repaired on
// the next connection. Fails at ReadUser or RearmKeyTables.
Result rereadUserAndRearm(Workspace& workspace);

}  // namespace gm::device::session
