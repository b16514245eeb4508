#include "macros/macro_outcome.h"

namespace gm::macros {

device::Message messageOf(const MacroOutcome& outcome) {
    switch (outcome.refusal) {
        case Refusal::None:
            return device::messageOf(outcome.result);
        case Refusal::Duplicate:
            return device::makeMessage(device::text::kMacroExists);
        case Refusal::AreaFull:
            return device::makeMessage(device::text::kMacroAreaFull);
        case Refusal::SlotsFull:
            return device::makeMessage("gm.macro.slotsFull");
        case Refusal::LibraryFull:
            return device::makeMessage("gm.macro.libraryFull");
        case Refusal::NotFound:
            return device::makeMessage("gm.macro.notFound", {outcome.subject});
        case Refusal::BadName:
            return device::makeMessage("gm.macro.badName", {outcome.subject});
        case Refusal::Unended:
            return device::makeMessage("gm.macro.unended", {outcome.subject});
        case Refusal::NoRecord:
            return device::makeMessage("gm.macro.noRecord", {outcome.subject});
        case Refusal::ImageIncomplete:
            return device::makeMessage("gm.macro.imageIncomplete");
    }
    return {};
}

}  // namespace gm::macros
