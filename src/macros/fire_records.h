#pragma once
// The ten fire macro records of the tail: short left-button bursts with pointer movement that the
// gun presets play. A record is a macro body of fire items only (left button pressed and
// released, movement, delay, repeat start and end), ended by 0x00, in a fixed record of 24 bytes
// (4210A) or 32 bytes (4230A) terminator included. Repeat markers are ordinary events here.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/image_model.h"
#include "macros/macro_events.h"

namespace gm::macros {

// Whether a fire record can hold the event: the left button, movement, delay and repeat markers.
bool isFireEvent(const MacroEvent& event);

// The record's body length, terminator included, by the item scan over the whole record (so a
// movement 0 0 or a delay of 0 ms before the terminator is not taken for the end); 0 when the
// record holds no terminator.
std::size_t fireRecordLength(std::span<const std::uint8_t> record);

// The record's fire events up to its terminator (or its end); other items are stepped over.
std::vector<MacroEvent> fireEventsOf(std::span<const std::uint8_t> record);

// The bytes `events` take in a record, terminator included.
std::size_t fireBodySize(std::span<const MacroEvent> events);

struct FireEncoding {
    std::vector<std::uint8_t> record;  // recordSize bytes, zero-filled behind the terminator
    std::string refusal;               // why the events do not make a record; empty when they do
    bool ok() const { return refusal.empty(); }
};

// The record of `events`, refused when one is not a fire event or they do not fit the record.
FireEncoding encodeFireRecord(std::span<const MacroEvent> events, std::size_t recordSize);

// Record `index` (0..9) of the workspace, as cut from the tail.
std::span<const std::uint8_t> fireRecord(const image::ImageModel& model, std::size_t index);

// The record's name: the 4230A name table's entry, else (no name, or a 4210A) "Fire Macro" n.
std::string fireMacroName(const image::ImageModel& model, std::size_t index);

// Renames record `index` in the 4230A name table (kept in memory; the gun-preset confirmation
// writes it). Empty when done, else why not: a 4210A record has no name field; a name the mouse
// would read as empty.
std::string renameFireMacro(image::ImageModel& model, std::size_t index, std::string_view name);

}  // namespace gm::macros
