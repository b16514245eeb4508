// Names of codes, chords and usages, and codes of menu tags, without a mouse.
#include <gtest/gtest.h>

#include "buttons/chord_name.h"
#include "buttons/key_menu.h"
#include "buttons/key_name.h"
#include "buttons/key_usages.h"
#include "buttons/naming_effects.h"
#include "buttons/tag_code.h"

namespace gm::buttons {
namespace {

image::KeyCode code(std::string_view text) {
    return *image::codeFromText(text);
}

KeyName nameOfText(std::string_view text, const FireKeyMemory& fire = {}) {
    return nameOf(code(text), {fire, nullptr});
}

TEST(KeyNames, RulesInTheirOrder) {
    EXPECT_EQ(nameOfText("00000000").id, "Str277");
    EXPECT_EQ(nameOfText("01010000").id, "Str210");
    EXPECT_EQ(nameOfText("02000000").id, "Str205");  // a chord of nothing is "User-defined"
    EXPECT_EQ(nameOfText("02010000").text, "Ctrl");
    EXPECT_EQ(nameOfText("02080700").id, "Str293");  // Desktop before the chord rule
    EXPECT_EQ(nameOfText("01040020").id, "Str212");  // the mask does not change the name
    EXPECT_EQ(nameOfText("09010008").id, "Str222");
    EXPECT_EQ(nameOfText("05FF0000").id, "Str260");
    EXPECT_EQ(nameOfText("1006A0FF").id, "Str265");
    EXPECT_EQ(nameOfText("07D1F018").id, "Str252");  // option bits masked off
    EXPECT_EQ(nameOfText("07000000").id, "Str254");
    EXPECT_EQ(nameOfText("0300E900").id, "Str274");
    EXPECT_TRUE(nameOfText("01200000").empty());
    EXPECT_TRUE(nameOfText("10010000").empty());  // a macro without a catalogue
}

TEST(KeyNames, FireMacroPresets) {
    EXPECT_EQ(nameOfText("0B050200").id, "Str605");
    EXPECT_EQ(nameOfText("0B150100").id, "Str605");  // keep-left
    EXPECT_EQ(nameOfText("0B170308").id, "Str606");
    EXPECT_TRUE(nameOfText("0B050300").empty());
    EXPECT_TRUE(isFireMacroName(nameOfText("0B000100")));
}

TEST(KeyNames, FireKeysByRememberedSets) {
    FireKeyMemory fire;  // 2/60, 4/120, 8/200
    EXPECT_EQ(nameOfText("0691003C", fire).id, "Str231");
    EXPECT_EQ(nameOfText("06130078", fire).id, "Str232");
    EXPECT_TRUE(nameOfText("0692003C", fire).empty());  // R = 3 matches no set
    fire.repeat[1] = 2;
    fire.interval[1] = 60;
    EXPECT_EQ(nameOfText("0691003C", fire).id, "Str231");  // two equal sets: the first wins
}

TEST(KeyNames, NamingEffectsAreASeparateStep) {
    ButtonState state;
    applyNamingEffects(code("0691003C"), state, false);
    EXPECT_TRUE(state.fire[0].continueOn);
    applyNamingEffects(code("0611003C"), state, true);  // a continue change is being applied
    EXPECT_TRUE(state.fire[0].continueOn);
    applyNamingEffects(code("07823000"), state, false);
    EXPECT_EQ(state.profileColourItems[2], 3);
    applyNamingEffects(code("07D1F018"), state, false);
    EXPECT_EQ(state.profileColourItems[1], kNoColourItem);
}

TEST(Chords, NamesAndParsesBothWays) {
    EXPECT_EQ(chordNameOf(code("02030400")), "Ctrl+Shift+A");
    EXPECT_EQ(chordNameOf(code("020F3AC5")), "Ctrl+Shift+Alt+Win+F1+Volume_Up");
    EXPECT_EQ(chordOfName("Ctrl+Shift+A"), code("02030400"));
    EXPECT_EQ(chordOfName("Alt+Page Down+Esc"), code("02044E29"));
    EXPECT_FALSE(chordOfName("Ctrl+Nothing"));
    EXPECT_FALSE(chordOfName("A+B+C"));
    EXPECT_EQ(keyNameOfUsage(50), "");
    EXPECT_EQ(keyNameOfUsage(231), "Win");
    EXPECT_EQ(keyNameOfUsage(98), "0 (numeric pad)");
    EXPECT_EQ(keyNameOfUsage(115), "F24");
}

TEST(KeyIndex, UsagesOfCapturedKeys) {
    EXPECT_EQ(keyIndexEntry(30)->usage, 98);
    EXPECT_EQ(keyIndexEntry(31)->usage, 89);
    EXPECT_EQ(keyIndexEntry(104)->usage, 39);
    EXPECT_EQ(keyIndexEntry(121)->usage, 0);
    EXPECT_EQ(keyIndexEntry(143)->name, "Launch_App2");
    EXPECT_FALSE(keyIndexEntry(144));
}

TEST(Codes, TextAndBytesBothWays) {
    const image::KeyCode bytes{0x06, 0x92, 0x00, 0x3C};
    EXPECT_EQ(image::codeTextOf(bytes), "0692003C");
    EXPECT_EQ(code("0692003C"), bytes);
    EXPECT_FALSE(image::codeFromText("0692003"));
}

TEST(TagCodes, ReadTheControls) {
    ButtonState state;
    state.comboMasks[static_cast<std::size_t>(ComboSelector::Back)] = 0x02;
    state.aimLevel = 3;
    state.fire[2] = {15, 4094, true};
    const TagContext user{state, image::ChipType::Chip4230A, MenuOrigin::UserPage};
    EXPECT_EQ(codeOfTag(tags::kBack, user), code("01080002"));
    EXPECT_EQ(codeOfTag(tags::kAim, user), code("05020000"));
    EXPECT_EQ(codeOfTag(tags::kFireKeyLast, user), code("069E0FFE"));
    EXPECT_EQ(codeOfTag(tags::kFireMacroKey, user), code("1006A0FF"));
    EXPECT_EQ(codeOfTag(1303, user), code("02080700"));
    EXPECT_EQ(codeOfTag(2301, user), code("07810000"));
    EXPECT_FALSE(codeOfTag(1107, user));

    state.returnToZero = true;
    state.changeColour = true;
    state.profileColourItems[1] = 3;
    state.offset = 0x118;
    const TagContext combo{state, image::ChipType::Chip4210A, MenuOrigin::EngineeringCombo};
    EXPECT_EQ(codeOfTag(2301, combo), code("07D13118"));
}

TEST(KeyMenu, SizedBySettingsAndPage) {
    MenuSetup setup;
    const KeyMenu plain = buildKeyMenu(setup);
    const MenuPanel* special = plain.panel("Pnl_Special");
    ASSERT_NE(special, nullptr);
    auto hasTag = [](const MenuPanel& panel, int tag) {
        for (const MenuEntry& entry : panel.entries)
            if (entry.kind == EntryKind::Function && entry.tag == tag)
                return true;
        return false;
    };
    EXPECT_FALSE(hasTag(*special, tags::kButtonEffect));
    EXPECT_FALSE(hasTag(*special, tags::kFireMacroKey));

    setup.settings.buttonEffect = true;
    setup.settings.gunDisplay = true;
    setup.pageProfile = 1;
    const KeyMenu gun = buildKeyMenu(setup);
    EXPECT_TRUE(hasTag(*gun.panel("Pnl_Special"), tags::kButtonEffect));
    EXPECT_TRUE(hasTag(*gun.panel("Pnl_Special"), tags::kFireMacroOff));
    EXPECT_EQ(gun.panel("Pnl_Main")->entries.size(), plain.panel("Pnl_Main")->entries.size() + 1);
    EXPECT_EQ(gun.panel("Pnl_Main")->entries.back().kind, EntryKind::GunPresets);

    setup.pageProfile = 2;
    EXPECT_FALSE(hasTag(*buildKeyMenu(setup).panel("Pnl_Special"), tags::kFireMacroKey));

    setup.origin = MenuOrigin::EngineeringKey;
    const KeyMenu engineering = buildKeyMenu(setup);
    EXPECT_NE(engineering.panel("Pnl_FireMacro"), nullptr);
    for (const MenuEntry& entry : engineering.panel("Pnl_Main")->entries)
        EXPECT_NE(entry.kind, EntryKind::GunPresets);
    // Every function entry is named like the code it produces.
    const ButtonState state;
    for (const MenuPanel& panel : engineering.panels) {
        for (const MenuEntry& entry : panel.entries) {
            const bool fireKey =
                entry.tag >= tags::kFireKeyFirst && entry.tag <= tags::kFireKeyLast;
            if (entry.kind != EntryKind::Function || fireKey)
                continue;
            const auto produced = codeOfTag(entry.tag, {state});
            ASSERT_TRUE(produced) << entry.tag;
            EXPECT_EQ(nameOf(*produced, {state.rememberedFire, nullptr}).id, entry.textId)
                << entry.tag;
        }
    }
}

}  // namespace
}  // namespace gm::buttons
