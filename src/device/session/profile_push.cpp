#include "device/session/profile_push.h"

#include <algorithm>
#include <array>

#include "device/session/image_writes.h"
#include "image/fields.h"

namespace gm::device::session {

namespace {

bool endsThePush(const Result& result) {
    return !result.ok() && result.failure != Failure::TransferIncomplete;
}

}  // namespace

Result pushProfiles(Workspace& workspace, FireKeys fireKeys) {
    const DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    auto batch = workspace.changes().batch();
    image::ImageModel& model = workspace.model();
    CommandProtocol& protocol = workspace.protocol();

    // Refused data reports do not stop the push (the mouse expects the whole sequence); the
    // first one is what the push reports. A refused command ends it, as no bytes followed.
    Result pushed = writeArea(workspace, image::kProfiles, Step::WriteProfiles, ReadBack::ByCaller);
    if (endsThePush(pushed))
        return pushed;
    if (fireKeys == FireKeys::Written) {
        Result written =
            writeArea(workspace, image::kFireKeys, Step::WriteFireKeys, ReadBack::ByCaller);
        if (endsThePush(written))
            return written;
        if (pushed)
            pushed = std::move(written);
    }

    // The User section is re-read into a scratch copy: a partial answer must not replace the
    // working copy, nor send its 0xFF back to the mouse as User byte 0.
    std::array<std::uint8_t, image::kUser.length> user{};
    const auto userAddress = static_cast<std::uint8_t>(image::kUser.offset);
    if (Result read = protocol.liveRead(0, userAddress, user); !read)
        return pushed ? read.at(Step::ReadUser) : pushed;
    model.copies.user = user;
    std::copy(user.begin(), user.end(),
              model.buffer.begin() + static_cast<std::ptrdiff_t>(image::kUser.offset));
    workspace.changes().notify(
        {ChangeKind::SectionChanged, static_cast<int>(image::kUser.offset), {}});

    const auto activeProfile = static_cast<std::uint8_t>(image::fields::kActiveProfile);
    if (Result rearm = protocol.liveWrite(activeProfile, image::fields::kRearmKeyTables, 0, 0, 1);
        !rearm) {
        return pushed ? rearm.at(Step::RearmKeyTables) : pushed;
    }
    Result armed = protocol.liveWrite(activeProfile, user[0], 0, 0, 1).at(Step::RearmKeyTables);
    return pushed ? armed : pushed;
}

}  // namespace gm::device::session
