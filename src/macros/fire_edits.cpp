#include "macros/fire_edits.h"

#include "macros/fire_records.h"

namespace gm::macros {

namespace {

void announce(device::Workspace& workspace) {
    workspace.changes().notify({device::session::ChangeKind::Macros, 0, {}});
}

}  // namespace

std::size_t fireRecordSize(const image::ImageModel& model, std::size_t index) {
    return fireRecord(model, index).size();
}

std::string storeFireEvents(device::Workspace& workspace, std::size_t index,
                            std::span<const MacroEvent> events) {
    image::ImageModel& model = workspace.model();
    FireEncoding encoded = encodeFireRecord(events, fireRecordSize(model, index));
    if (!encoded.ok())
        return encoded.refusal;
    model.copies.fireMacroRecords.at(index) = std::move(encoded.record);
    announce(workspace);
    return {};
}

bool insertFireEvent(MacroScript& script, std::size_t at, Side side, const MacroEvent& event,
                     std::size_t recordSize) {
    MacroScript changed = script;
    if (!insertEvent(changed, at, side, event) || fireBodySize(changed.events) > recordSize)
        return false;
    script = std::move(changed);
    return true;
}

std::string renameFireRecord(device::Workspace& workspace, std::size_t index,
                             std::string_view name) {
    std::string refusal = renameFireMacro(workspace.model(), index, name);
    if (refusal.empty())
        announce(workspace);
    return refusal;
}

}  // namespace gm::macros
