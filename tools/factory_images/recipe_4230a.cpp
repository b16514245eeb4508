// The three 4230A factory images: an RGB LED mouse with multi-key matrix. Profile 2 is the game
// profile with the fire-macro key and gun presets. The images differ in the active profile and its
// User extras, in the fire macros (standard, rapid, strong pull) and in profile 2 Key12.

#include "recipe.h"

namespace gm::tools {

namespace {

Fields chipFields4230A() {
    Fields fields = commonFields();
    const Fields chip = {
        // Device options.
        vendor(5, {0xFF}, "RGB LED, multi key, flash indication, legacy set 800..2400 from 2nd"),
        vendor(7, {0xFF}, "LED drive high, low active, mode fuse 4/2, 3 s combo, CDR1, sleep off"),

        // Lighting: RGB LED, modes 0..5 offered, starting in mode 5 (DPI Color).
        vendor(42, {0x3F}, "RGB LED mode mask"),
        vendor(48, {0x01, 0x00}, "breath lower level 256"),
        vendor(50, {0x80, 0x00}, "breath upper level 32768"),
        user(1, {0x05}, "LED type RGB LED, mode 5"),
        patchHeader(8, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, "MCU LED bytes unused"),

        comboKey(4, 0x07D1F020, "Combo Key4: long press switches to Game Mode, offset 20"),
        user(5, {0x00}, "profile extra byte 5"),

        // Fire key sets (R-1, T high, T low): 2, 3 and 5 shots every 60.
        fireKeyArea(2, {0x01, 0x00, 0x3C}, "Fire Key1: 2 shots, interval 60"),
        fireKeyArea(5, {0x02, 0x00, 0x3C}, "Fire Key2: 3 shots, interval 60"),
        fireKeyArea(8, {0x04, 0x00, 0x3C}, "Fire Key3: 5 shots, interval 60"),

        patchHeader(2, {0x02, 0x00}, "patch length 512"),
    };
    fields.insert(fields.end(), chip.begin(), chip.end());

    // Profiles 1 and 3: the office tables; Key3 is Fire Key1 (2 shots, 60, continue on).
    for (int profile : {1, 3}) {
        const Fields office = officeKeys(profile, 0x0691003C);
        const Fields rest = {
            key(profile, 10, 0x0E000000, "LED Mode"),
            key(profile, 11, 0x0C000000, "Report Rate"),
            key(profile, 12, 0x00000000, "Key Off"),
        };
        fields.insert(fields.end(), office.begin(), office.end());
        fields.insert(fields.end(), rest.begin(), rest.end());
    }

    // Profile 2, the game profile: fire-macro key on Key1 and gun presets (0B first record,
    // stages, mask).
    const Fields game = {
        key(2, 1, 0x1006A0FF, "Fire Macro Key"),
        key(2, 2, 0x01080002, "Backward; right + back runs Combo Key2"),
        key(2, 3, 0x0691003C, "Fire Key1, continue on"),
        key(2, 4, 0x01020000, "Right Click"),
        key(2, 5, 0x0B000100, "AKM Fire: record 0, one stage"),
        key(2, 6, 0x0B050200, "5.56 Fire: records 5..6"),
        key(2, 7, 0x01040000, "Middle Click"),
        key(2, 8, 0x09000000, "DPI Loop"),
        key(2, 9, 0x0B070300, "7.62 Fire: records 7..9"),
        key(2, 10, 0x0B010100, "M16 Fire: record 1"),
        key(2, 11, 0x0B020100, "M4 Fire: record 2"),
    };
    fields.insert(fields.end(), game.begin(), game.end());
    return fields;
}

// What each configuration adds: the active profile with its User extras and profile 2 Key12.
Fields configFields4230A(int config) {
    switch (config) {
        case 1:
            return {
                user(0, {0x00}, "current profile 1 (Office Mode), colour 1"),
                user(3, {0x00}, "button effect off"),
                user(4, {0x00}, "office profile"),
                user(6, {0x00}, "no offset"),
                key(2, 12, 0x0B030100, "UMP9 Fire: record 3"),
            };
        case 2:
            return {
                user(0, {0x11}, "current profile 2 (Game Mode), colour 2"),
                user(3, {0x00}, "button effect off"),
                user(4, {0x0F}, "game profile"),
                user(6, {0x20}, "offset 20"),
                key(2, 12, 0x0B030100, "UMP9 Fire: record 3"),
            };
        default:
            return {
                user(0, {0x22}, "current profile 3 (Third Mode), colour 3"),
                user(3, {0x01}, "button effect on"),
                user(4, {0x00}, "office profile"),
                user(6, {0x00}, "no offset"),
                key(2, 12, 0x0B040100, "SCAR-L Fire: record 4"),
            };
    }
}

// Recoil compensation per gun: shots, pull (x, y) per shot, hold and gap in ms.
constexpr FireMacros kStandardFire{{
    {"AKM", 30, 0, 5, 60, 40},
    {"M16", 3, 0, 3, 40, 35},
    {"M4", 30, 0, 3, 45, 40},
    {"UMP9", 30, 0, 2, 45, 40},
    {"SCAR-L", 30, 0, 3, 50, 46},
    {"5.56-1", 10, 0, 3, 45, 40},
    {"5.56-2", 20, 1, 4, 45, 40},
    {"7.62-1", 8, 0, 4, 55, 45},
    {"7.62-2", 10, -1, 5, 55, 45},
    {"7.62-3", 12, 1, 6, 55, 45},
}};
// Shorter hold and gap: a faster fire rate.
constexpr FireMacros kRapidFire{{
    {"AKM", 30, 0, 5, 45, 30},
    {"M16", 3, 0, 3, 30, 25},
    {"M4", 30, 0, 3, 35, 30},
    {"UMP9", 30, 0, 2, 35, 30},
    {"SCAR-L", 30, 0, 3, 40, 34},
    {"5.56-1", 10, 0, 3, 35, 30},
    {"5.56-2", 20, 1, 4, 35, 30},
    {"7.62-1", 8, 0, 4, 42, 34},
    {"7.62-2", 10, -1, 5, 42, 34},
    {"7.62-3", 12, 1, 6, 42, 34},
}};
// Stronger downward pull per shot: for higher sensor resolutions.
constexpr FireMacros kStrongPullFire{{
    {"AKM", 30, 0, 8, 60, 40},
    {"M16", 3, 0, 5, 40, 35},
    {"M4", 30, 0, 5, 45, 40},
    {"UMP9", 30, 0, 4, 45, 40},
    {"SCAR-L", 30, 0, 5, 50, 46},
    {"5.56-1", 10, 0, 5, 45, 40},
    {"5.56-2", 20, 2, 7, 45, 40},
    {"7.62-1", 8, 0, 7, 55, 45},
    {"7.62-2", 10, -2, 9, 55, 45},
    {"7.62-3", 12, 2, 10, 55, 45},
}};

ImageRecipe recipe4230A(std::string_view name, int config, const FireMacros& fire) {
    Fields fields = chipFields4230A();
    const Fields extra = configFields4230A(config);
    fields.insert(fields.end(), extra.begin(), extra.end());
    // The 4230A patch covers the whole 512-byte area; its checksum is whatever the bytes give.
    return {name, image::ChipType::Chip4230A, std::move(fields), fire, PatchRecipe{0x9C, {}}};
}

}  // namespace

std::vector<ImageRecipe> recipes4230A() {
    return {
        recipe4230A("RDXM4230AData_Cfg1", 1, kStandardFire),
        recipe4230A("RDXM4230AData_Cfg2", 2, kRapidFire),
        recipe4230A("RDXM4230AData_Cfg3", 3, kStrongPullFire),
    };
}

}  // namespace gm::tools
