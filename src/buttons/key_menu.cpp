#include "buttons/key_menu.h"

#include "buttons/key_name.h"
#include "buttons/tag_code.h"

namespace gm::buttons {

namespace {

MenuEntry category(std::string textId, int tag, std::string panel) {
    return {EntryKind::Category, std::move(textId), {}, tag, std::move(panel), {}};
}

MenuEntry function(std::string textId, int tag) {
    return {EntryKind::Function, std::move(textId), {}, tag, {}, {}};
}

// Entries with consecutive tags named by consecutive identifiers from `firstId`.
void addRun(MenuPanel& panel, int firstTag, int lastTag, int firstId) {
    for (int tag = firstTag; tag <= lastTag; ++tag)
        panel.entries.push_back(function("Str" + std::to_string(firstId + tag - firstTag), tag));
}

MenuPanel macroPanel(std::string name, const std::vector<MacroEntry>& macros) {
    MenuPanel panel{std::move(name), {}};
    for (const MacroEntry& macro : macros)
        panel.entries.push_back({EntryKind::Macro, {}, macro.name, 0, {}, macro.code});
    return panel;
}

}  // namespace

const MenuPanel* KeyMenu::panel(std::string_view name) const {
    for (const MenuPanel& candidate : panels) {
        if (candidate.name == name)
            return &candidate;
    }
    return nullptr;
}

KeyMenu buildKeyMenu(const MenuSetup& setup) {
    const bool userPage = setup.origin == MenuOrigin::UserPage;
    // The gun display adds the fire-macro entries on the second profile's page; the engineering
    // page always offers them.
    const bool fireMacros = !userPage || (setup.settings.gunDisplay && setup.pageProfile == 1);

    MenuPanel main{"Pnl_Main", {}};
    main.entries = {category("Str201", 1, "Pnl_MseKey"), category("Str202", 2, "Pnl_Special"),
                    category("Str203", 3, "Pnl_Media"),  category("Str204", 4, "Pnl_WWW"),
                    category("Str207", 5, "Pnl_MyPC"),   category("Str206", 6, "Pnl_Macro")};
    main.entries.push_back({EntryKind::Chord, std::string(names::kUserDefined), {}, 0, {}, {}});
    if (userPage && fireMacros)
        main.entries.push_back({EntryKind::GunPresets, "Str208", {}, 0, {}, {}});
    if (!userPage)
        main.entries.push_back(category("Str208", 13, "Pnl_FireMacro"));

    MenuPanel mouse{"Pnl_MseKey", {}};
    addRun(mouse, tags::kLeft, tags::kForward, 210);

    MenuPanel special{"Pnl_Special", {}};
    special.entries = {
        category("Str220", 7, "Pnl_CPIKey"),    category("Str230", 8, "Pnl_FireKey"),
        category("Str240", 9, "Pnl_ACPI"),      category("Str250", 10, "Pnl_Profile"),
        category("Str267", 12, "Pnl_AdjustXY"), function(std::string(names::kAimKey), tags::kAim),
        function("Str261", tags::kLedMode),     function("Str262", tags::kLedSwitch)};
    if (setup.settings.buttonEffect || !userPage)
        special.entries.push_back(function("Str263", tags::kButtonEffect));
    special.entries.push_back(function("Str264", tags::kReportRate));
    if (fireMacros) {
        special.entries.push_back(function("Str265", tags::kFireMacroKey));
        special.entries.push_back(function("Str266", tags::kFireMacroOff));
    }
    special.entries.push_back(function(std::string(names::kKeyOff), tags::kKeyOff));

    MenuPanel media{"Pnl_Media", {}};
    addRun(media, tags::kMediaFirst, tags::kMediaLast, 270);
    MenuPanel web{"Pnl_WWW", {}};
    addRun(web, tags::kWebFirst, tags::kWebLast, 280);
    MenuPanel pc{"Pnl_MyPC", {}};
    addRun(pc, tags::kPcFirst, tags::kPcLast, 290);
    MenuPanel dpi{"Pnl_CPIKey", {}};
    addRun(dpi, tags::kDpiLoop, tags::kDpiDown, 221);
    MenuPanel fire{"Pnl_FireKey", {}};
    addRun(fire, tags::kFireKeyFirst, tags::kFireKeyLast, 231);
    MenuPanel acpi{"Pnl_ACPI", {}};
    addRun(acpi, tags::kAcpiFirst, tags::kAcpiLast, 241);
    MenuPanel profile{"Pnl_Profile", {}};
    addRun(profile, tags::kProfileFirst, tags::kProfileLoop, 251);
    MenuPanel adjust{"Pnl_AdjustXY", {}};
    addRun(adjust, tags::kAdjustXYFn, tags::kAdjustXYSwitch, 268);

    KeyMenu menu;
    menu.panels = {std::move(main), std::move(mouse),   std::move(special), std::move(media),
                   std::move(web),  std::move(pc),      std::move(dpi),     std::move(fire),
                   std::move(acpi), std::move(profile), std::move(adjust)};
    const std::vector<MacroEntry> none;
    menu.panels.push_back(
        macroPanel("Pnl_Macro", setup.macros ? setup.macros->deviceMacros() : none));
    if (!userPage)
        menu.panels.push_back(
            macroPanel("Pnl_FireMacro", setup.macros ? setup.macros->fireMacros() : none));
    return menu;
}

}  // namespace gm::buttons
