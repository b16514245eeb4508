#pragma once
// The device macro list: adding a PC macro to the mouse ("Add to Mouse"), deleting a device
// macro, and the Macro area as it goes to the mouse. Each change rebuilds the area, parses it
// again, keeps the buttons on their macros and writes the device macros (device_write.h).

#include <cstddef>
#include <optional>
#include <string_view>

#include "device/session/workspace.h"
#include "image/macro_tables.h"
#include "macros/macro_area.h"
#include "macros/macro_outcome.h"

namespace gm::macros {

// The slot of the first device macro whose name is `name` (all 16 bytes).
std::optional<std::size_t> findDeviceMacro(const image::DeviceMacroTables& tables,
                                           const image::MacroName& name);

// Puts `macro` into the next free slot and writes the device macros. Refused, with nothing sent,
// when a device macro has its name (Duplicate), 15 are stored (SlotsFull), its body has no end
// (Unended) or the area would exceed 512 bytes, fillers included (AreaFull: the area stays as
// it was). `index` is the new slot.
MacroOutcome addToMouse(device::Workspace& workspace, const image::PcMacroRecord& macro);

// Clears `slot`, moves the later macros up, points the buttons of the moved macros at their new
// addresses and clears those of the deleted one, and writes the device macros. `index` is the
// slot to select afterwards (the one before, or the first), empty when none remain.
MacroOutcome deleteFromMouse(device::Workspace& workspace, std::size_t slot);

// The 512 bytes the mouse would be given for the tables (the device export file).
MacroArea deviceAreaExport(const image::DeviceMacroTables& tables);

}  // namespace gm::macros
