#include "app/ctl/button_names.h"

#include "buttons/chord_name.h"
#include "buttons/key_menu.h"
#include "buttons/key_usages.h"
#include "buttons/tag_code.h"

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
    for (const buttons::MenuPanel& panel : everyEntry(origin).panels) {
        for (const buttons::MenuEntry& entry : panel.entries) {
            if (entry.kind != buttons::EntryKind::Function)
                continue;
            if (englishName({entry.textId, {}}, texts) == function)
                return buttons::codeOfTag(entry.tag, {state, chip, origin});
        }
    }
    if (englishName({std::string(buttons::names::kUserDefined), {}}, texts) == function)
        return image::KeyCode{0x02, 0x00, 0x00, 0x00};
    return buttons::chordOfName(function);
}

std::vector<std::string> acceptedFunctionNames(const ui::text::TextTable& texts) {
    std::vector<std::string> accepted;
    for (const buttons::MenuPanel& panel : everyEntry(buttons::MenuOrigin::EngineeringKey).panels) {
        for (const buttons::MenuEntry& entry : panel.entries) {
            if (entry.kind == buttons::EntryKind::Function)
                accepted.push_back(englishName({entry.textId, {}}, texts));
        }
    }
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
