#include "macros/script_edits.h"

#include <algorithm>

namespace gm::macros {

namespace {

using Kind = MacroEvent::Kind;

bool pairs(const MacroEvent& event) {
    return event.kind == Kind::Key || event.kind == Kind::Modifier || event.kind == Kind::Button;
}

bool partnerOf(const MacroEvent& event, const MacroEvent& other) {
    return other.kind == event.kind && other.value == event.value && other.down != event.down;
}

}  // namespace

std::optional<std::vector<std::size_t>> eventsToDelete(const MacroScript& script,
                                                       std::size_t index) {
    const std::vector<MacroEvent>& events = script.events;
    if (index >= events.size())
        return std::nullopt;
    const MacroEvent& event = events[index];
    if (!pairs(event))
        return std::vector<std::size_t>{index};
    if (event.down) {
        for (std::size_t at = index + 1; at < events.size(); ++at) {
            if (partnerOf(event, events[at]))
                return std::vector<std::size_t>{index, at};
        }
    } else {
        for (std::size_t at = index; at-- > 0;) {
            if (partnerOf(event, events[at]))
                return std::vector<std::size_t>{at, index};
        }
    }
    return std::nullopt;
}

bool deleteEvent(MacroScript& script, std::size_t index) {
    const auto doomed = eventsToDelete(script, index);
    if (!doomed)
        return false;
    for (auto at = doomed->rbegin(); at != doomed->rend(); ++at)
        script.events.erase(script.events.begin() + static_cast<std::ptrdiff_t>(*at));
    return true;
}

bool insertEvent(MacroScript& script, std::size_t index, Side side, const MacroEvent& event) {
    MacroScript changed = script;
    const std::size_t at =
        std::min(side == Side::Before ? index : index + 1, changed.events.size());
    changed.events.insert(changed.events.begin() + static_cast<std::ptrdiff_t>(at), event);
    if (!bodyOfScript(changed).fits)
        return false;
    script = std::move(changed);
    return true;
}

}  // namespace gm::macros
