#include "macros/device_tables.h"

#include "macros/macro_area.h"

namespace gm::macros {

namespace {

using device::session::Change;
using device::session::ChangeKind;

}  // namespace

bool syncDeviceMacros(image::ImageModel& model) {
    image::DeviceMacroTables parsed = parseMacroArea(model.copies.macroArea);
    if (parsed == model.macros)
        return false;
    model.macros = parsed;
    return true;
}

void tellDeviceMacros(device::Workspace& workspace) {
    workspace.changes().notify({ChangeKind::Macros, static_cast<int>(MacroList::Device), {}});
}

void reparseDeviceMacros(device::Workspace& workspace) {
    syncDeviceMacros(workspace.model());
    tellDeviceMacros(workspace);
}

void followMacroArea(device::Workspace& workspace) {
    workspace.changes().subscribe([&workspace](const Change& change) {
        if (change.kind == ChangeKind::ImageReplaced)
            reparseDeviceMacros(workspace);
        else if (change.kind == ChangeKind::SectionChanged && syncDeviceMacros(workspace.model()))
            tellDeviceMacros(workspace);
    });
}

}  // namespace gm::macros
