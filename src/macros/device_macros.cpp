#include "macros/device_macros.h"

#include <algorithm>

#include "macros/assignments.h"
#include "macros/body_scan.h"
#include "macros/device_write.h"
#include "macros/macro_name.h"

namespace gm::macros {

namespace {

// Rebuilds the area from `tables`, takes it into the working copy and parses it, moves the
// recorded buttons along and writes the device macros.
MacroOutcome store(device::Workspace& workspace, const image::DeviceMacroTables& tables,
                   std::span<const MacroAssignment> recorded, const SlotMoves& moves) {
    image::ImageModel& model = workspace.model();
    const RebuiltArea rebuilt = rebuildMacroArea(tables);
    model.copies.macroArea = rebuilt.area;
    model.macros = parseMacroArea(model.copies.macroArea);
    restoreAssignments(model, recorded, moves, model.macros);
    MacroOutcome outcome;
    outcome.result = writeDeviceMacros(workspace);
    return outcome;
}

// A change of the mouse's macros starts: refused while another operation runs, without a
// mouse, and when the last image read did not arrive whole (its Macro area would read as 0xFF,
// and the tables rebuilt from it would erase the mouse's macros).
struct StartedChange {
    device::session::DeviceOperation operation;
    std::optional<MacroOutcome> refused;
};

StartedChange startChange(device::Workspace& workspace) {
    StartedChange change{workspace.session().beginWithDevice(), std::nullopt};
    if (!change.operation.started()) {
        change.refused.emplace();
        change.refused->result = change.operation.refusal;
    } else if (!workspace.session().imageWhole()) {
        change.refused = MacroOutcome::refuse(Refusal::ImageIncomplete);
    }
    return change;
}

}  // namespace

std::optional<std::size_t> findDeviceMacro(const image::DeviceMacroTables& tables,
                                           const image::MacroName& name) {
    for (std::size_t slot = 0; slot < tables.entries.size(); ++slot) {
        if (!tables.entries[slot].empty() && tables.entries[slot].name == name)
            return slot;
    }
    return std::nullopt;
}

MacroOutcome addToMouse(device::Workspace& workspace, const image::PcMacroRecord& macro) {
    const StartedChange change = startChange(workspace);
    if (change.refused)
        return *change.refused;
    const image::DeviceMacroTables& current = workspace.model().macros;
    const std::string name = decodeMacroName(macro.name);
    if (findDeviceMacro(current, macro.name))
        return MacroOutcome::refuse(Refusal::Duplicate, name);
    const std::size_t slot = deviceMacroCount(current);
    if (slot >= image::kDeviceMacroSlots)
        return MacroOutcome::refuse(Refusal::SlotsFull, name);
    const StoredBody body = storedBody(macro.body);
    if (!body.terminated())
        return MacroOutcome::refuse(Refusal::Unended, name);

    image::DeviceMacroTables tables = current;
    tables.entries[slot].name = macro.name;
    tables.entries[slot].body = body.body;
    tables.entries[slot].length = static_cast<std::uint16_t>(image::kMacroNameSize + body.length);
    // The area as it would be written decides, fillers included: the 513th byte refuses it.
    if (!rebuildMacroArea(tables).fits())
        return MacroOutcome::refuse(Refusal::AreaFull, name);
    const std::vector<MacroAssignment> recorded = recordAssignments(workspace.model(), current);
    MacroOutcome outcome = store(workspace, tables, recorded, noMoves());
    outcome.index = slot;
    return outcome;
}

MacroOutcome deleteFromMouse(device::Workspace& workspace, std::size_t slot) {
    const StartedChange change = startChange(workspace);
    if (change.refused)
        return *change.refused;
    const image::DeviceMacroTables& current = workspace.model().macros;
    if (slot >= current.entries.size() || current.entries[slot].empty())
        return MacroOutcome::refuse(Refusal::NotFound);
    const std::vector<MacroAssignment> recorded = recordAssignments(workspace.model(), current);
    image::DeviceMacroTables tables = current;
    tables.entries[slot] = {};
    MacroOutcome outcome = store(workspace, tables, recorded, movesOfRemoving(slot));
    const std::size_t left = deviceMacroCount(workspace.model().macros);
    if (left > 0)
        outcome.index = std::min(slot > 0 ? slot - 1 : 0, left - 1);
    return outcome;
}

MacroArea deviceAreaExport(const image::DeviceMacroTables& tables) {
    return rebuildMacroArea(tables).area;
}

}  // namespace gm::macros
