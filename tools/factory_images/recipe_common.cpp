// Fields every factory image holds, whatever the chip.

#include "recipe.h"

namespace gm::tools {

Fields commonFields() {
    using namespace image;
    return {
        // USB identity.
        vendor(0, {0x7A, 0x3E}, "USB vendor id 7A3E"),
        vendor(2, {0x08, 0xB8}, "USB product id 08B8"),
        text(kVendorProductTextOffset, "HID Gaming Mouse", "USB product string, 16 characters"),

        // Device options both chips share.
        vendor(4, {0xBF}, "chip type item 2, 1000 Hz, sensor enhance on"),
        vendor(6, {0x7F}, "rotation 180, prescaler 1.00x, fire key 5 Hz, 2 times"),
        vendor(8, {0xAF}, "EFT NAK on, EFT on, keep profile info on, profile LED flash on"),
        // Breathing delays and LED speed.
        vendor(52, {0x00, 0x64}, "delay at the lower level 100"),
        vendor(54, {0x00, 0x64}, "delay at the upper level 100"),
        vendor(56, {0x08}, "LED step time 8"),

        // Sensor tuning registers, handed to the sensor at start-up.
        vendor(9, {0x20}, "Avg_lb_lq"),
        vendor(10, {0x35}, "Avg_hb_lq"),
        vendor(11, {0x29}, "Avg_tg_lq"),
        vendor(12, {0x10}, "Avg_lb"),
        vendor(13, {0x30}, "Avg_hb"),
        vendor(14, {0x1A}, "Avg_tg"),
        vendor(15, {0x00}, "MiscBitCfg"),
        vendor(16, {0x00}, "HSqDcrDiv_LSqDcrDiv"),
        vendor(17, {0x45}, "LfBpsShlThr"),
        vendor(18, {0x02}, "LfHfsqThr"),
        vendor(19, {0xEF}, "CrpThrGain1Sql"),
        vendor(20, {0x10}, "CrpThrGain1Sqh"),
        vendor(21, {0xEF}, "CrpThrGain2Sql"),
        vendor(22, {0x10}, "CrpThrGain2Sqh"),
        vendor(23, {0xEF}, "CrpThrGain4Sql"),
        vendor(24, {0x10}, "CrpThrGain4Sqh"),
        vendor(25, {0xFF}, "CrpThrGain8Sqx"),
        vendor(26, {0x10}, "BpGainThr_LandThrWeight"),
        vendor(27, {0x50}, "CrpCntThr_LftBpsGainThr"),
        vendor(28, {0x03}, "HsqCorBit_LsqCorBit"),
        vendor(29, {0x01}, "LftCorBitAvgThr"),
        vendor(30, {0x02}, "SubpixCorBit_MaxGain"),
        vendor(31, {0x48}, "MaxShut"),
        vendor(32, {0x96}, "LandCntThr"),
        vendor(33, {0xFA}, "LiftCntThr"),
        vendor(34, {0x20}, "CorBitHfsqThr"),
        vendor(35, {0x1E}, "illumXledAvgThr"),
        vendor(36, {0x02}, "BpHfsqThr"),
        vendor(37, {0x01}, "HgLsqCorBit_LgLsqCorBit"),
        vendor(38, {0x20}, "HgLsqThr"),
        vendor(39, {0x00}, "Misc_G8CorBit"),
        vendor(40, {0x06}, "LED Init0"),
        vendor(41, {0x87}, "LED Init1"),

        // CPI levels: six in use, values as 4-bit indexes of 200..6400, odd level low nibble.
        vendor(43, {0x05}, "six CPI levels in use"),
        vendor(44, {0x63}, "levels 1 and 2: 800 (3), 1600 (6)"),
        vendor(45, {0x98}, "levels 3 and 4: 2400 (8), 3200 (9)"),
        vendor(46, {0xBA}, "levels 5 and 6: 4800 (10), 6400 (11)"),
        vendor(47, {0x00}, "levels 7 and 8: 200, 200 (not in use)"),
        rgb(87, 0xFF0000, "level 1 colour red"),
        rgb(90, 0x00FF00, "level 2 colour green"),
        rgb(93, 0x0000FF, "level 3 colour blue"),
        rgb(96, 0xFFFF00, "level 4 colour yellow"),
        rgb(99, 0x00FFFF, "level 5 colour cyan"),
        rgb(102, 0xFF00FF, "level 6 colour magenta"),
        rgb(105, 0x8000FF, "level 7 colour violet"),
        rgb(108, 0x0000FF, "level 8 colour blue"),
        user(2, {0x01}, "current CPI level 2"),

        // The ten user colours, also the colours of the ten fire macro records.
        rgb(57, 0xFF0000, "user colour 1 red"),
        rgb(60, 0xFF8000, "user colour 2 orange"),
        rgb(63, 0xFFFF00, "user colour 3 yellow"),
        rgb(66, 0x00FF00, "user colour 4 green"),
        rgb(69, 0x0000FF, "user colour 5 blue"),
        rgb(72, 0x00FF80, "user colour 6 spring green"),
        rgb(75, 0x00FFFF, "user colour 7 cyan"),
        rgb(78, 0x8000FF, "user colour 8 violet"),
        rgb(81, 0xFF00FF, "user colour 9 magenta"),
        rgb(84, 0xFFFFFF, "user colour 10 white"),

        // Combo keys run by right-button chords (mask 02) and long presses (mask 08).
        comboKey(1, 0x00000000, "Combo Key1 unused"),
        comboKey(2, 0x0E000000, "Combo Key2: right + back steps the LED mode"),
        comboKey(3, 0x00000000, "Combo Key3 unused"),
        comboKey(5, 0x00000000, "Combo Key5 unused"),
        comboKey(6, 0x00000000, "Combo Key6 unused"),
        comboKey(7, 0x00000000, "Combo Key7 unused"),
        comboKey(8, 0x00000000, "Combo Key8 unused"),
        comboKey(9, 0x00000000, "Combo Key9 unused"),

        // Fire recoil offsets per fire macro record: X at User 7..16, Y at User 17..26.
        user(7, std::vector<std::uint8_t>(10, 0x00), "fire macro X offsets 0"),
        user(17, std::vector<std::uint8_t>(10, 0x00), "fire macro Y offsets 0"),

        fireKeyArea(0, {0xFF}, "manufacturer number (not assigned)"),
        fireKeyArea(1, {0xFF}, "product number (not assigned)"),
        fireKeyArea(11, {kMarker}, "marker E0 of a valid image"),

        fill(kReserved, 0xFF, "Reserved area"),
        fill(kGap, 0xFF, "gap between Reserved and fire key areas"),
        fill(kMacro, 0x00, "Macro area: no device macros"),

        patchHeader(0, {0x04, 0x00}, "patch header tag"),
        patchHeader(4, {0x00, 0x1A}, "patch header tag"),
    };
}

Fields officeKeys(int profile, std::uint32_t fireKey1Code) {
    const bool third = profile == 3;
    return {
        key(profile, 1, 0x01010000, "Left Click"),
        key(profile, 2, 0x01080002, "Backward; right + back runs Combo Key2"),
        key(profile, 3, fireKey1Code, "Fire Key1, continue on"),
        key(profile, 4, 0x01020000, "Right Click"),
        key(profile, 5, 0x01100000, "Forward"),
        third ? key(profile, 6, 0x02080700, "Desktop (Win+D)")
              : key(profile, 6, 0x09010000, "DPI Up"),
        key(profile, 7, 0x01040000, "Middle Click"),
        key(profile, 8, 0x09000000, "DPI Loop"),
        third ? key(profile, 9, 0x08000000, "LED Switch") : key(profile, 9, 0x09020000, "DPI Down"),
    };
}

}  // namespace gm::tools
