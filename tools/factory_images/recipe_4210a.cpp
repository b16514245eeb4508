// The three 4210A factory images. They are identical: an MCU LED mouse with the A-Tech LED
// package, one key table for all three profiles (profile 3 with Desktop and LED Switch).

#include "recipe.h"

namespace gm::tools {

namespace {

Fields fields4210A() {
    Fields fields = commonFields();
    const Fields chip = {
        // Device options.
        vendor(5, {0x1F}, "A-Tech LED, IO keys, no CPI indication, legacy set 800..2400 from 2nd"),
        vendor(7, {0x4F}, "LED open drain, low active, mode fuse 1/F3, 3 s combo, CDR1, sleep off"),

        // Lighting: MCU LED, modes of checkboxes 0..5 offered, starting in mode 0 (DPI Mode).
        vendor(42, {0x7F}, "MCU LED mode mask"),
        vendor(48, {0x00, 0x00}, "breath lower level 0"),
        vendor(50, {0x00, 0xFF}, "breath upper level 255"),
        user(1, {0x81}, "LED type MCU LED, mode 0"),
        patchHeader(8, {0x03}, "MCU LED step 3"),
        patchHeader(9, {0x85}, "MCU LED full brightness, 8 lamps (code 13 - 8)"),
        patchHeader(10, {0x00, 0x00, 0x00, 0x00, 0x00}, "MCU LED bytes 10..14 unused"),

        comboKey(4, 0x07D1F018, "Combo Key4: long press switches to Game Mode, offset 18"),

        // Profile: Office Mode, colour 1; no button effect, no offset.
        user(0, {0x00}, "current profile 1 (Office Mode), colour 1"),
        user(3, {0x00, 0x00, 0x00, 0x00}, "profile extras: button effect off, offset 0"),

        // Fire key sets (R-1, T high, T low): 3, 5 and 8 shots every 60.
        fireKeyArea(2, {0x02, 0x00, 0x3C}, "Fire Key1: 3 shots, interval 60"),
        fireKeyArea(5, {0x04, 0x00, 0x3C}, "Fire Key2: 5 shots, interval 60"),
        fireKeyArea(8, {0x07, 0x00, 0x3C}, "Fire Key3: 8 shots, interval 60"),

        patchHeader(2, {0x02, 0xE0}, "patch length 736"),
    };
    fields.insert(fields.end(), chip.begin(), chip.end());

    for (int profile = 1; profile <= 3; ++profile) {
        const Fields office = officeKeys(profile, 0x0692003C);
        const Fields rest = {
            key(profile, 10, 0x00000000, "Key Off"),
            key(profile, 11, 0x00000000, "Key Off"),
            key(profile, 12, 0x00000000, "Key Off"),
        };
        fields.insert(fields.end(), office.begin(), office.end());
        fields.insert(fields.end(), rest.begin(), rest.end());
    }
    return fields;
}

// Recoil compensation per gun: shots, pull (x, y) per shot, hold and gap in ms.
constexpr FireMacros kFireMacros4210A{{
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

}  // namespace

std::vector<ImageRecipe> recipes4210A() {
    // 0x5E39 is the sum of the first 736 patch bytes of the 4210A images (checksum 5F63).
    const PatchRecipe patch{0x4A, 0x5E39};
    const Fields fields = fields4210A();
    return {
        {"RDXM4210AData_Cfg1", image::ChipType::Chip4210A, fields, kFireMacros4210A, patch},
        {"RDXM4210AData_Cfg2", image::ChipType::Chip4210A, fields, kFireMacros4210A, patch},
        {"RDXM4210AData_Cfg3", image::ChipType::Chip4210A, fields, kFireMacros4210A, patch},
    };
}

}  // namespace gm::tools
