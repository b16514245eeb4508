#include "macros/device_macro_catalogue.h"

#include "macros/macro_code.h"
#include "macros/macro_name.h"

namespace gm::macros {

std::vector<buttons::MacroEntry> DeviceMacroCatalogue::deviceMacros() const {
    std::vector<buttons::MacroEntry> entries;
    for (const image::DeviceMacroSlot& slot : model_.macros.entries) {
        if (!slot.empty())
            entries.push_back({decodeMacroName(slot.name), macroKeyCode(slot.address)});
    }
    return entries;
}

std::vector<buttons::MacroEntry> DeviceMacroCatalogue::fireMacros() const {
    return gunKeys_ != nullptr ? gunKeys_->entries() : std::vector<buttons::MacroEntry>{};
}

}  // namespace gm::macros
