#pragma once
// Changing the fire macro records of the workspace from the engineering editor: the events of a
// record, an insert bounded by the record's size, and a record's name. The changes stay in the
// working copies (the gun-preset confirmation writes them) and are announced as a macro change.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "device/session/workspace.h"
#include "macros/macro_script.h"
#include "macros/script_edits.h"

namespace gm::macros {

// Bytes record `index` holds, terminator included (24 on a 4210A, 32 on a 4230A).
std::size_t fireRecordSize(const image::ImageModel& model, std::size_t index);

// Stores `events` as record `index`; empty when done, else why not (nothing changed).
std::string storeFireEvents(device::Workspace& workspace, std::size_t index,
                            std::span<const MacroEvent> events);

// Inserts `event` before or after event `at` of `script` (at the start of an empty one); false,
// the script unchanged, when the events would no longer fit a record of `recordSize` bytes.
bool insertFireEvent(MacroScript& script, std::size_t at, Side side, const MacroEvent& event,
                     std::size_t recordSize);

// Renames record `index` (4230A name table); empty when done, else why not.
std::string renameFireRecord(device::Workspace& workspace, std::size_t index,
                             std::string_view name);

}  // namespace gm::macros
