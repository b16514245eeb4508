#pragma once
// The key menu as data: the main panel and its sub-panels, their entries in order. The window
// draws it; the CLI lists its names. Which entries exist depends on the page that opens it, the
// program settings (button effect, gun display) and, on the user page, the profile shown.

#include <string>
#include <vector>

#include "buttons/button_state.h"
#include "buttons/macro_catalogue.h"
#include "image/code_text.h"
#include "image/settings/program_settings.h"

namespace gm::buttons {

enum class EntryKind {
    Category,    // opens the panel `panel`
    Function,    // assigns the code of `tag`
    Chord,       // opens the chord dialog (Key_Assembly)
    GunPresets,  // opens the gun-preset page (Key_FireMacro)
    Macro,       // assigns `code` (a device macro or a fire macro)
};

struct MenuEntry {
    EntryKind kind = EntryKind::Function;
    std::string textId;  // the caption's identifier; empty for macros (see `text`)
    std::string text;    // the caption of a macro entry
    int tag = 0;         // the function's tag, or the category's tag
    std::string panel;   // the panel a category opens
    image::KeyCode code{};
};

struct MenuPanel {
    std::string name;  // "Pnl_Main", "Pnl_Special" ...
    std::vector<MenuEntry> entries;
};

struct MenuSetup {
    MenuOrigin origin = MenuOrigin::UserPage;
    image::settings::ProgramSettings settings;
    std::size_t pageProfile = 0;  // the user page's profile, 0..2
    const MacroCatalogue* macros = nullptr;
};

struct KeyMenu {
    std::vector<MenuPanel> panels;  // Pnl_Main first
    const MenuPanel* panel(std::string_view name) const;
};

KeyMenu buildKeyMenu(const MenuSetup& setup);

// The caption of a menu mark before an entry's name: a blank, "☉", a blank.
inline constexpr std::string_view kEntryMark = " \u2609 ";

}  // namespace gm::buttons
