#include "buttons/key_push.h"

#include "device/session/image_writes.h"

namespace gm::buttons {

device::Result pushKeyTables(device::Workspace& workspace, device::session::FireKeys fireKeys) {
    if (workspace.session().readBusy())
        return device::Result::done();
    auto batch = workspace.changes().batch();
    device::Result pushed = device::session::pushProfiles(workspace, fireKeys);
    if (pushed.failure == device::Failure::TransferIncomplete ||
        pushed.failure == device::Failure::DeviceLeft) {
        device::session::settleRefusedArea(workspace, image::kProfiles);
        if (fireKeys == device::session::FireKeys::Written)
            device::session::settleRefusedArea(workspace, image::kFireKeys);
    }
    return pushed;
}

}  // namespace gm::buttons
