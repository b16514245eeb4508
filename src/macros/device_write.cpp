#include "macros/device_write.h"

#include "device/session/image_writes.h"
#include "device/session/macro_area_write.h"
#include "macros/device_tables.h"

namespace gm::macros {

namespace {

using device::Failure;
using device::Result;
using device::Step;
namespace session = device::session;

// Polling stays off while the macros move, as a poll between the halves would read half of them.
class PollingPaused {
public:
    explicit PollingPaused(session::Session& session)
        : session_(session), was_(session.pollEnabled()) {
        session_.setPollEnabled(false);
    }
    ~PollingPaused() { session_.setPollEnabled(was_); }
    PollingPaused(const PollingPaused&) = delete;
    PollingPaused& operator=(const PollingPaused&) = delete;

private:
    session::Session& session_;
    bool was_;
};

}  // namespace

Result writeDeviceMacros(device::Workspace& workspace) {
    const session::DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    PollingPaused paused(workspace.session());
    Result written;
    {
        auto batch = workspace.changes().batch();
        written = session::writeArea(workspace, image::kProfiles, Step::WriteProfiles,
                                     session::ReadBack::ByCaller);
        const bool profilesIncomplete = written.failure == Failure::TransferIncomplete;
        if (written.ok() || profilesIncomplete) {
            Result halves = session::writeMacroHalves(
                workspace, {Step::WriteMacroFirstHalf, Step::WriteMacroSecondHalf});
            if (written.ok())
                written = std::move(halves);
        } else {
            // Nothing of the area was sent: it shows what the mouse holds.
            session::settleRefusedArea(workspace, image::kMacro);
        }
        if (profilesIncomplete)
            session::settleRefusedArea(workspace, image::kProfiles);
        // Before the batch tells its change, so the views hear of the macros once.
        syncDeviceMacros(workspace.model());
    }
    tellDeviceMacros(workspace);
    return written;
}

}  // namespace gm::macros
