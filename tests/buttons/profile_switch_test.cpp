// Profile-switch keys re-coded with the options, and macros plugged in through the catalogue.
#include "buttons/profile_switch.h"

#include <gtest/gtest.h>

#include "button_rig.h"
#include "buttons/assignment.h"
#include "buttons/key_menu.h"
#include "buttons/key_name.h"

namespace gm::buttons {
namespace {

using testing::ButtonRig;
using testing::code;

TEST(ProfileSwitchOptions, RecodeEveryModeKey) {
    ButtonRig b;
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {0, 10}, code("07810000")).ok());
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {2, 11}, code("07820000")).ok());
    ASSERT_TRUE(assignEngineeringKey(b.rig.workspace, {1, 11}, code("07000000")).ok());
    b.state.adjustXY = true;
    b.state.profileColourItems = {0, 9, kNoColourItem};
    b.state.offset = 0x1234;  // above 0xFFF: set back to 0xFFF
    ASSERT_TRUE(applyProfileSwitchOptions(b.rig.workspace, b.state).ok());
    EXPECT_EQ(b.state.offset, 0xFFF);
    EXPECT_EQ(b.mouseKey({0, 10}), code("07A19FFF"));
    EXPECT_EQ(b.mouseKey({2, 11}), code("07A2FFFF"));
    EXPECT_EQ(b.mouseKey({1, 11}), code("07000000"));  // the profile loop has no options
}

class TwoMacros final : public MacroCatalogue {
public:
    std::vector<MacroEntry> deviceMacros() const override {
        return {{"Reload", code("10020000")}, {"Grenade", code("10024000")}};
    }
    std::vector<MacroEntry> fireMacros() const override {
        return {{"Fire Macro1", code("0B000100")}, {"Fire Macro2", code("0B010100")}};
    }
};

TEST(MacroCatalogueHook, NamesCodesAndFillsTheMenu) {
    const TwoMacros macros;
    const FireKeyMemory fire;
    EXPECT_EQ(nameOf(code("10024000"), {fire, &macros}).text, "Grenade");
    EXPECT_TRUE(nameOf(code("10030000"), {fire, &macros}).empty());
    EXPECT_EQ(nameOf(code("0B010100"), {fire, &macros}).text, "Fire Macro2");
    EXPECT_TRUE(nameOf(code("0B050200"), {fire, &macros}).empty());  // a file is in use

    MenuSetup setup;
    setup.macros = &macros;
    const KeyMenu menu = buildKeyMenu(setup);
    ASSERT_EQ(menu.panel("Pnl_Macro")->entries.size(), 2u);
    EXPECT_EQ(menu.panel("Pnl_Macro")->entries[1].code, code("10024000"));
    setup.origin = MenuOrigin::EngineeringKey;
    EXPECT_EQ(buildKeyMenu(setup).panel("Pnl_FireMacro")->entries.size(), 2u);
}

}  // namespace
}  // namespace gm::buttons
