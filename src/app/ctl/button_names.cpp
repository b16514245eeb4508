#include "app/ctl/button_names.h"

#include "buttons/chord_name.h"
#include "buttons/key_menu.h"
#include "buttons/key_usages.h"
#include "buttons/tag_code.h"

#include <map>

namespace gm::ctl {

namespace {

buttons::KeyMenu everyEntry(buttons::MenuOrigin origin) {
    buttons::MenuSetup setup;
    setup.origin = origin;
    setup.settings.buttonEffect = true;
    setup.settings.gunDisplay = true;
    setup.pageProfile = 1;
    return buttons::buildKeyMenu(setup);
}

struct NamedFunction {
    std::string name;
    int tag;
};

// The function entries of the menu opened from `origin` by English name, in menu order. A name
// two entries share ("Stop" in Multimedia and in WWW) is told apart by its category:
// "Stop (Multimedia)".
std::vector<NamedFunction> namedFunctions(buttons::MenuOrigin origin,
                                          const ui::text::TextTable& texts) {
    const buttons::KeyMenu menu = everyEntry(origin);
    std::map<std::string, std::string> categoryOf;  // panel name -> the caption that opens it
    for (const buttons::MenuPanel& panel : menu.panels) {
        for (const buttons::MenuEntry& entry : panel.entries) {
            if (!entry.panel.empty())
                categoryOf[entry.panel] = englishName({entry.textId, {}}, texts);
        }
    }
    std::vector<NamedFunction> named;
    std::map<std::string, int> uses;
    std::vector<std::string> panels;
    for (const buttons::MenuPanel& panel : menu.panels) {
        for (const buttons::MenuEntry& entry : panel.entries) {
            if (entry.kind != buttons::EntryKind::Function)
                continue;
            named.push_back({englishName({entry.textId, {}}, texts), entry.tag});
            panels.push_back(panel.name);
            ++uses[named.back().name];
        }
    }
    for (std::size_t i = 0; i < named.size(); ++i) {
        if (uses[named[i].name] > 1)
            named[i].name.append(" (").append(categoryOf[panels[i]]).append(")");
    }
    return named;
}

}  // namespace

std::string englishName(const buttons::KeyName& name, const ui::text::TextTable& texts) {
    if (!name.text.empty())
        return name.text;
    if (name.id.empty())
        return {};
    return texts.table(ui::text::Language::English).text(name.id);
}

std::optional<image::KeyCode> functionCode(const std::string& function,
                                           const buttons::ButtonState& state, image::ChipType chip,
                                           buttons::MenuOrigin origin,
                                           const ui::text::TextTable& texts) {
    if (const auto raw = image::codeFromText(function); raw && function.size() == 8)
        return raw;
    for (const NamedFunction& named : namedFunctions(origin, texts)) {
        if (named.name == function)
            return buttons::codeOfTag(named.tag, {state, chip, origin});
    }
    if (englishName({std::string(buttons::names::kUserDefined), {}}, texts) == function)
        return image::KeyCode{0x02, 0x00, 0x00, 0x00};
    return buttons::chordOfName(function);
}

std::vector<std::string> acceptedFunctionNames(const ui::text::TextTable& texts) {
    std::vector<std::string> accepted;
    for (const NamedFunction& named : namedFunctions(buttons::MenuOrigin::EngineeringKey, texts))
        accepted.push_back(named.name);
    accepted.push_back(englishName({std::string(buttons::names::kUserDefined), {}}, texts));
    accepted.push_back(
        "chords: Ctrl, Shift, Alt, Win and up to two keys joined by '+', "
        "e.g. Ctrl+Shift+A; keys:");
    for (int usage = 1; usage < 256; ++usage) {
        const auto name = buttons::keyNameOfUsage(static_cast<std::uint8_t>(usage));
        if (!name.empty() && buttons::usageOfKeyName(name) == usage)
            accepted.push_back("  " + std::string(name));
    }
    accepted.push_back("or eight hex digits, b0 first, e.g. 0300E900");
    return accepted;
}

}  // namespace gm::ctl
