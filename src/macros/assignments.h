#pragma once
// Keeping buttons on their macros when the macros move. Before the tables change, the keys of
// all three profiles that run a device macro are recorded with the slot they run; afterwards
// each is pointed at the new address of that macro, or cleared (00000000) when it is gone. The
// key menu writes macro codes into every profile, so every profile follows.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "buttons/key_tables.h"
#include "image/image_model.h"
#include "image/macro_tables.h"

namespace gm::macros {

struct MacroAssignment {
    buttons::KeyRef key;
    std::size_t slot = 0;  // the slot the key's code ran when recorded
};

// The keys whose code runs a non-empty slot of `tables`.
std::vector<MacroAssignment> recordAssignments(const image::ImageModel& model,
                                               const image::DeviceMacroTables& tables);

// Where each recorded slot went: the slot it is now, nothing when it was removed.
using SlotMoves = std::vector<std::optional<std::size_t>>;
// The moves of removing `removed` from slots that were packed from 0 (the later ones move up).
SlotMoves movesOfRemoving(std::size_t removed);
// No slot moved.
SlotMoves noMoves();

// Gives each recorded key the code of its macro's slot in `tables` after `moves`; a key whose
// macro is gone gets the "no function" code. The code texts follow.
void restoreAssignments(image::ImageModel& model, std::span<const MacroAssignment> recorded,
                        const SlotMoves& moves, const image::DeviceMacroTables& tables);

}  // namespace gm::macros
