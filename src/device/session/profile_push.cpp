#include "device/session/profile_push.h"

#include <algorithm>
#include <array>
#include <vector>

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

    // Refused data reports do not stop the push (the mouse expects the whole sequence); the
    // first failure is what the push reports, with the steps that completed before it. A refused
    // command ends it, as no bytes followed.
    std::vector<Step> done;
    Result pushed = writeArea(workspace, image::kProfiles, Step::WriteProfiles, ReadBack::ByCaller);
    if (endsThePush(pushed))
        return pushed;
    if (pushed)
        done.push_back(Step::WriteProfiles);
    const auto firstFailure = [&](Result later) {
        if (!pushed)
            return pushed;
        if (!later.ok())
            later.completed.insert(later.completed.begin(), done.begin(), done.end());
        return later;
    };
    if (fireKeys == FireKeys::Written) {
        Result written =
            writeArea(workspace, image::kFireKeys, Step::WriteFireKeys, ReadBack::ByCaller);
        if (endsThePush(written))
            return firstFailure(std::move(written));
        if (pushed && !written)
            pushed = firstFailure(std::move(written));
        else if (written)
            done.push_back(Step::WriteFireKeys);
    }

    return firstFailure(rereadUserAndRearm(workspace));
}

Result rereadUser(Workspace& workspace) {
    const DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    image::ImageModel& model = workspace.model();
    // The User section is re-read into a scratch copy: a partial answer must not replace the
    // working copy, nor send its 0xFF back to the mouse as User byte 0.
    std::array<std::uint8_t, image::kUser.length> user{};
    const auto userAddress = static_cast<std::uint8_t>(image::kUser.offset);
    if (Result read = workspace.protocol().liveRead(0, userAddress, user); !read)
        return std::move(read.at(Step::ReadUser));
    model.copies.user = user;
    std::copy(user.begin(), user.end(),
              model.buffer.begin() + static_cast<std::ptrdiff_t>(image::kUser.offset));
    workspace.changes().notify(
        {ChangeKind::SectionChanged, static_cast<int>(image::kUser.offset), {}});
    return Result::done();
}

Result rereadUserAndRearm(Workspace& workspace) {
    const DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    if (Result read = rereadUser(workspace); !read)
        return read;
    image::ImageModel& model = workspace.model();
    CommandProtocol& protocol = workspace.protocol();
    const auto& user = model.copies.user;

    // Cut off between its two writes, the rearm would leave User 0 at 15 and the section's
    // check byte stale: the journal keeps the section as it is, for the next connection.
    const std::vector<std::uint8_t> held(user.begin(), user.end());
    workspace.journal().begin(
        {model.chip.value_or(image::ChipType::Chip4210A), image::kUser.offset, held, held});
    const auto activeProfile = static_cast<std::uint8_t>(image::fields::kActiveProfile);
    Result armed = protocol.liveWrite(activeProfile, image::fields::kRearmKeyTables, 0, 0, 1);
    if (armed)
        armed = protocol.liveWrite(activeProfile, user[0], 0, 0, 1);
    if (armed)
        workspace.journal().finish(image::kUser.offset);
    else
        workspace.journal().keep(image::kUser.offset);
    return std::move(armed.at(Step::RearmKeyTables));
}

}  // namespace gm::device::session
