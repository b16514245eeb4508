#include "macros/fire_confirm.h"

#include <functional>
#include <vector>

#include "buttons/gun_presets.h"
#include "device/session/image_writes.h"
#include "device/session/profile_push.h"
#include "image/image_model.h"

namespace gm::macros {

namespace {

using device::Result;
using device::Step;
namespace session = device::session;

constexpr std::size_t kSecondProfile = 1;
// Vendor 57..86: LED colours 1..10, three bytes each (red, green, blue).
constexpr image::Area kLedColours{57, 30};

// The ten colours as three-byte live writes, then the Vendor check byte once.
Result writeLedColours(device::Workspace& workspace) {
    for (std::size_t at = kLedColours.offset; at < kLedColours.end(); at += 3) {
        Result written = session::writeLive(workspace, at, 3, session::CheckByte::Later);
        if (!written) {
            written.step = Step::WriteLedColours;
            return written;
        }
    }
    Result checked = session::writeCheckByte(workspace, kLedColours.offset);
    if (!checked)
        checked.step = Step::WriteLedColours;
    return checked;
}

struct SequenceStep {
    Step step;
    image::Area area;  // what the step writes, read back when the sequence stops before it
    std::function<Result()> run;
};

}  // namespace

Result openGunPresets(device::Workspace& workspace) {
    if (!session::maySend(workspace))
        return Result::done();
    return session::rereadUser(workspace);
}

GunConfirmation confirmGunPreset(device::Workspace& workspace, const buttons::ButtonState& state,
                                 const image::settings::ProgramSettings& settings,
                                 const GunChoice& choice) {
    GunConfirmation confirmation;
    const session::DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started()) {
        confirmation.written = operation.refusal;
        return confirmation;
    }
    image::ImageModel& model = workspace.model();
    const auto mask = state.comboMasks[static_cast<std::size_t>(buttons::ComboSelector::FireMacro)];
    confirmation.code = buttons::gunPresetCode(
        choice.preset, buttons::gunPresetStages(choice.preset, settings), choice.keepLeft, mask);
    auto batch = workspace.changes().batch();
    if (choice.key.profile == kSecondProfile) {
        buttons::setProfileKeyCode(model, choice.key, confirmation.code);
        confirmation.stored = true;
    }
    image::placeFireMacros(model);
    if (!session::maySend(workspace))
        return confirmation;

    const image::Area tail{model.geometry.tailOffset, model.copies.tail.size()};
    const auto area = [&workspace](image::Area written, Step step) {
        return [&workspace, written, step] { return session::writeArea(workspace, written, step); };
    };
    const std::vector<SequenceStep> steps{
        {Step::WriteLedColours, kLedColours, [&workspace] { return writeLedColours(workspace); }},
        {Step::WriteUser, image::kUser, area(image::kUser, Step::WriteUser)},
        {Step::WriteProfiles, image::kProfiles, area(image::kProfiles, Step::WriteProfiles)},
        {Step::WriteFireKeys, image::kFireKeys, area(image::kFireKeys, Step::WriteFireKeys)},
        {Step::WriteFireMacros, tail, area(tail, Step::WriteFireMacros)},
        {Step::RearmKeyTables, {}, [&workspace] { return session::rereadUserAndRearm(workspace); }},
    };
    std::vector<Step> done;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        Result result = steps[i].run();
        if (result.ok()) {
            done.push_back(steps[i].step);
            continue;
        }
        // The refused step settled its own area; the later ones were never sent.
        for (std::size_t later = i + 1; later < steps.size(); ++later) {
            if (steps[later].area.length != 0)
                session::settleRefusedArea(workspace, steps[later].area);
        }
        image::cutFireMacros(model);
        result.completed.insert(result.completed.begin(), done.begin(), done.end());
        confirmation.stored =
            confirmation.stored && buttons::profileKeyCode(model, choice.key) == confirmation.code;
        confirmation.written = std::move(result);
        workspace.changes().notify({session::ChangeKind::Macros, 0, {}});
        return confirmation;
    }
    workspace.changes().notify({session::ChangeKind::Macros, 0, {}});
    return confirmation;
}

}  // namespace gm::macros
