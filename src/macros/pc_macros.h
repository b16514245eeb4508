#pragma once
// The PC macro library (the workspace's store, 100 records): the list it shows, and new,
// rename, delete and the imports. Each change tells the views (Macros, MacroList::Library); the
// host writes the macro file around it (host/files/macro_library_file.h).

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "device/session/workspace.h"
#include "image/macro_tables.h"
#include "macros/macro_outcome.h"

namespace gm::macros {

// The used records in record order: the list shows them, free records between are skipped.
std::vector<std::size_t> listedRecords(const image::PcMacroStore& store);

// The name of `text` when it is one: 1 to 8 UTF-16 code units of valid UTF-8 that the mouse
// does not read as an empty slot.
std::optional<image::MacroName> macroNameOf(std::string_view text);

// The first used record whose name reads as `text`.
std::optional<std::size_t> findPcMacro(const image::PcMacroStore& store, std::string_view text);

// A new, empty macro named `text` in the first free record after the last used one (in a gap
// when the last record is used). `index` is its record.
MacroOutcome newPcMacro(device::Workspace& workspace, std::string_view text);

// Renames a used record; any name in the list, its own included, is refused as a duplicate.
MacroOutcome renamePcMacro(device::Workspace& workspace, std::size_t record, std::string_view text);

// Replaces a used record's body (the editor's every change, `macro edit`).
MacroOutcome setPcMacroBody(device::Workspace& workspace, std::size_t record,
                            const image::MacroBody& body);

// Removes a used record: the later records move down one, the last becomes free. `index` is the
// record to select afterwards (the one before, or the first), empty when the list is empty.
MacroOutcome deletePcMacro(device::Workspace& workspace, std::size_t record);

// One macro from the bytes of a one-macro exchange file (272 bytes; a short file gives what it
// holds, the rest zero): refused when it holds no name, its name is in the list, or the list is
// full. Placed as newPcMacro places one.
MacroOutcome importOnePcMacro(device::Workspace& workspace, std::span<const std::uint8_t> bytes);

// The whole library replaced by the records of an all-macro file (27200 bytes; records past
// the end of a short file are free).
void importAllPcMacros(device::Workspace& workspace, std::span<const std::uint8_t> bytes);

// One record as its exchange file holds it (name, then body).
std::vector<std::uint8_t> recordBytes(const image::PcMacroRecord& record);
// The store as the macro file holds it, and back (as far as the bytes go; the rest free).
std::vector<std::uint8_t> storeBytes(const image::PcMacroStore& store);
image::PcMacroStore storeOfBytes(std::span<const std::uint8_t> bytes);

}  // namespace gm::macros
