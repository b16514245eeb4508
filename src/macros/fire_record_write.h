#pragma once
// One fire macro record replaced and written to the mouse at once (gmousectl fire edit): the
// events go into the record, the record into the tail, and the tail to the mouse. When the mouse
// does not take it whole, the tail is read back and the records are cut from what it holds.

#include <cstddef>
#include <span>
#include <string>

#include "device/result.h"
#include "device/session/workspace.h"
#include "macros/macro_events.h"

namespace gm::macros {

struct FireRecordWrite {
    std::string refusal;  // why the events make no record (nothing was changed); empty if they do
    device::Result written;
    bool ok() const { return refusal.empty() && written.ok(); }
};

FireRecordWrite writeFireRecord(device::Workspace& workspace, std::size_t index,
                                std::span<const MacroEvent> events);

}  // namespace gm::macros
