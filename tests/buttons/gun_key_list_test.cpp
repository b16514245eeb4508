// The gun-key list: codes from the options and back, add to the first free slot, delete with the
// later codes moving up, and the names class-0B codes get from it.
#include <gtest/gtest.h>

#include "buttons/gun_key_list.h"
#include "buttons/key_name.h"

namespace gm::buttons {
namespace {

using image::KeyCode;

TEST(GunKeyList, OptionsMakeCodesAndLoadBack) {
    struct Case {
        GunKeyOptions options;
        KeyCode code;
    };
    const std::vector<Case> cases{
        {{.keepLeftItem = 1, .startItem = 0, .numberItem = 0}, {0x0B, 0x10, 0x01, 0x00}},
        {{.keepLeftItem = 0, .startItem = 7, .numberItem = 2}, {0x0B, 0x07, 0x03, 0x00}},
        {{.keepLeftItem = 0, .numberItem = 0, .typeItem = 1, .colourItem = 3},
         {0x0B, 0x83, 0x00, 0x00}},
        {{.keepLeftItem = 0, .numberItem = 0, .typeItem = 1, .colourItem = kUserColourItem},
         {0x0B, 0x8F, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gunKeyCode(c.options), c.code);
        EXPECT_EQ(gunKeyOptionsOf(c.code), c.options) << image::codeTextOf(c.code);
    }
}

TEST(GunKeyList, AddFillsTheFirstFreeSlotAndStopsAtTen) {
    GunKeyList list;
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(list.add({0x0B, static_cast<std::uint8_t>(i), 0x01, 0x00}), std::size_t(i));
    EXPECT_EQ(list.add({0x0B, 0x00, 0x02, 0x00}), std::nullopt);
    EXPECT_EQ(list.entries().back().name, "Fire Macro10");
}

TEST(GunKeyList, RemoveMovesLaterCodesUpAndSelectsTheOneBefore) {
    GunKeyList list;
    for (std::uint8_t first : {std::uint8_t{0}, std::uint8_t{1}, std::uint8_t{2}})
        list.add({0x0B, first, 0x01, 0x00});
    EXPECT_EQ(list.remove(1), 0u);
    ASSERT_EQ(list.entries().size(), 2u);
    EXPECT_EQ(list.entries()[1].name, "Fire Macro2");
    EXPECT_EQ(list.entries()[1].code, (KeyCode{0x0B, 0x02, 0x01, 0x00}));
    EXPECT_EQ(list.codes()[9], KeyCode{});
    EXPECT_EQ(list.remove(0), 0u);
    EXPECT_EQ(list.remove(0), std::nullopt);
}

TEST(GunKeyList, ReadsAShortFileAsFarAsItGoes) {
    const std::vector<std::uint8_t> bytes{0x0B, 0x10, 0x01, 0x00, 0x0B, 0x11};
    const GunKeyList list = GunKeyList::fromBytes(bytes);
    EXPECT_EQ(list.codes()[0], (KeyCode{0x0B, 0x10, 0x01, 0x00}));
    EXPECT_EQ(list.codes()[1], (KeyCode{0x0B, 0x11, 0x00, 0x00}));
    EXPECT_EQ(list.bytes()[39], 0x00);
}

struct ListCatalogue final : MacroCatalogue {
    std::vector<MacroEntry> deviceMacros() const override { return {}; }
    std::vector<MacroEntry> fireMacros() const override { return list.entries(); }
    GunKeyList list;
};

TEST(GunKeyList, NamesFireMacroCodesWhileInUse) {
    const FireKeyMemory fire{};
    ListCatalogue catalogue;
    const KeyCode preset1{0x0B, 0x00, 0x01, 0x00};
    EXPECT_EQ(nameOf(preset1, {fire, &catalogue}).id, "Str600");
    catalogue.list.add({0x0B, 0x12, 0x01, 0x00});
    catalogue.list.add(preset1);
    EXPECT_EQ(nameOf(preset1, {fire, &catalogue}).text, "Fire Macro2");
    EXPECT_TRUE(nameOf({0x0B, 0x03, 0x01, 0x00}, {fire, &catalogue}).empty());
}

}  // namespace
}  // namespace gm::buttons
