#pragma once
// Editing single events of a script: deleting one (a press with its release), and inserting
// delays, movements, repeat markers or recorded keys before or after one.

#include <cstddef>
#include <optional>
#include <vector>

#include "macros/macro_script.h"

namespace gm::macros {

// The events deleting event `index` removes, ascending: a delay, movement or repeat marker
// alone; a press with the next release of the same key or button after it, a release with the
// nearest press of it before it. Nothing when that partner is missing ("Macro Content Error")
// or `index` is past the end.
std::optional<std::vector<std::size_t>> eventsToDelete(const MacroScript& script,
                                                       std::size_t index);

// Removes what eventsToDelete names; false, the script unchanged, when it names nothing.
bool deleteEvent(MacroScript& script, std::size_t index);

enum class Side { Before, After };

// Inserts `event` before or after event `index` (at the start of an empty script); false, the
// script unchanged, when the body would no longer fit its 256 bytes.
bool insertEvent(MacroScript& script, std::size_t index, Side side, const MacroEvent& event);

}  // namespace gm::macros
