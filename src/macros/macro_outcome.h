#pragma once
// What a macro operation did: refused before it changed anything (and why), or ran, with the
// outcome of its device write or file write. Drivers say it through messageOf().

#include <cstddef>
#include <optional>
#include <string>

#include "device/messages.h"
#include "device/result.h"

namespace gm::macros {

enum class Refusal {
    None,
    Duplicate,        // the name is taken ("This macro already exists")
    AreaFull,         // the Macro area would exceed 512 bytes ("Macro bin length out of range")
    SlotsFull,        // the mouse holds 15 macros already
    LibraryFull,      // the PC list holds 100 macros already
    NotFound,         // no macro of that name (or nothing selected)
    BadName,          // empty, or read back by the mouse as an empty slot
    Unended,          // the body has no terminator within 256 bytes
    NoRecord,         // an exchange file that holds no macro
    ImageIncomplete,  // the mouse's image was not read whole, so its Macro area is not known
};

struct MacroOutcome {
    Refusal refusal = Refusal::None;
    std::string subject;               // the name or file a refusal is about
    device::Result result;             // the write to the mouse or to the macro file
    std::optional<std::size_t> index;  // the slot or record the change concerns

    bool refused() const { return refusal != Refusal::None; }
    // Ran and fully happened.
    bool ok() const { return !refused() && result.ok(); }

    static MacroOutcome refuse(Refusal why, std::string subject = {}) {
        MacroOutcome outcome;
        outcome.refusal = why;
        outcome.subject = std::move(subject);
        return outcome;
    }
};

// The message of a refusal, or of the failed write; empty (no text id) when it went well.
device::Message messageOf(const MacroOutcome& outcome);

}  // namespace gm::macros
