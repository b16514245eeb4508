#include "macros/assignments.h"

#include "macros/macro_code.h"

namespace gm::macros {

std::vector<MacroAssignment> recordAssignments(const image::ImageModel& model,
                                               const image::DeviceMacroTables& tables) {
    std::vector<MacroAssignment> recorded;
    buttons::forEachProfileKey([&](buttons::KeyRef key) {
        const auto address = macroAddressOf(buttons::profileKeyCode(model, key));
        if (!address)
            return;
        for (std::size_t slot = 0; slot < tables.entries.size(); ++slot) {
            if (!tables.entries[slot].empty() && tables.entries[slot].address == *address) {
                recorded.push_back({key, slot});
                return;
            }
        }
    });
    return recorded;
}

SlotMoves movesOfRemoving(std::size_t removed) {
    SlotMoves moves(image::kDeviceMacroSlots);
    for (std::size_t slot = 0; slot < moves.size(); ++slot) {
        if (slot != removed)
            moves[slot] = slot < removed ? slot : slot - 1;
    }
    return moves;
}

SlotMoves noMoves() {
    SlotMoves moves(image::kDeviceMacroSlots);
    for (std::size_t slot = 0; slot < moves.size(); ++slot)
        moves[slot] = slot;
    return moves;
}

void restoreAssignments(image::ImageModel& model, std::span<const MacroAssignment> recorded,
                        const SlotMoves& moves, const image::DeviceMacroTables& tables) {
    for (const MacroAssignment& assignment : recorded) {
        const std::optional<std::size_t> now =
            assignment.slot < moves.size() ? moves[assignment.slot] : std::nullopt;
        const bool present = now && *now < tables.entries.size() && !tables.entries[*now].empty();
        const image::KeyCode code =
            present ? macroKeyCode(tables.entries[*now].address) : image::KeyCode{0, 0, 0, 0};
        buttons::setProfileKeyCode(model, assignment.key, code);
    }
}

}  // namespace gm::macros
