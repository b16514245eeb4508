#pragma once
// Where the macros plug into the button core: the device macros and fire macros the key menu
// offers and the names class-10 and class-0B codes are shown with. The macro code implements
// it; without one, macro codes are named only by their presets.

#include <string>
#include <vector>

#include "image/code_text.h"

namespace gm::buttons {

struct MacroEntry {
    std::string name;     // as the menu and the key captions show it
    image::KeyCode code;  // the code a button gets when the entry is chosen
};

class MacroCatalogue {
public:
    virtual ~MacroCatalogue() = default;
    // Enabled device macros in slot order; codes 10, start address high, low, 00.
    virtual std::vector<MacroEntry> deviceMacros() const = 0;
    // The ten fire macros while a fire-macro file is in use ("Fire Macro1".."Fire Macro10");
    // empty otherwise, and class-0B codes are then named by their presets.
    virtual std::vector<MacroEntry> fireMacros() const = 0;
};

}  // namespace gm::buttons
