#pragma once
// The engineering terms the window shows, by name; each value is the term's identifier in the
// term table (engineering_terms.h). A run of terms (the eight "CPI n:" captions) is named by its
// first and counted on with + and -.

namespace gm::ui::text {

enum class Term : int {
    FirstProfile = 0,  // Office Mode, Gaming Mode, Profile3
    Default = 10,
    ImportBaseMacro = 11,
    ImportFireMacro = 12,
    LoadPatchCode = 13,
    LedSetting = 14,
    LedMode = 15,
    LedType = 16,
    LedNumber = 17,
    FirstLedType = 18,  // RGB, Sync, ZK, MCU LED
    LedStep = 22,
    LedLightMode = 23,
    HalfLight = 24,
    AllLight = 25,
    ModeOff = 26,
    RgbRandom = 27,  // then Sequence, Fixed, Blend, CPI Breath
    SyncBreath = 32,
    SyncNoBreath = 33,
    ZkRandom = 34,      // then Blend, Fixed, CPI Breath
    McuCpiBreath = 38,  // then Colorful, Rainbow, Floe, Waltz, 4-Seasons
    LedModeSelect = 44,
    Cpi = 45,
    CpiSteps = 46,
    CurrentCpi = 47,
    FirstCpiLevel = 48,  // "CPI 1:" .. "CPI 8:"
    FireKey = 56,
    FirstFireKeySet = 57,  // "Fire Key 1:" .. "Fire Key 3:"
    Repeat = 60,
    Time = 61,
    Continue = 62,
    Usb = 63,
    Vid = 64,
    Hex = 65,
    Pid = 66,
    UsbDescription = 68,
    LedColour = 69,
    CpiColour = 100,
    LedBreath = 101,
    FirstBreathing = 102,  // Lower, Upper, Lower Delay, Upper Delay, Step Delay
    LightGesture = 107,
    FirstLightGestureItem = 108,  // No, 'Back'+'Right Key'
    GameGesture = 110,
    FirstGameGestureItem = 111,  // No .. 'Forward'+'Right Key'
    PressCpiLoop = 113,          // then 'CPI +', 'CPI -'
    GunFireMode = 118,
    Aim = 119,
    ButtonEffect = 120,
    FirstButtonEffectItem = 121,  // Off, On
    FirstSwitchColour = 123,      // Office, Gaming, Profile 3 Color
    FirstColour = 126,            // "Color 1" .. "Color 10"
    FixedColour = 136,
    UsbReport = 137,
    SensorRotation = 138,
    VendorId = 139,
    ProductId = 140,
    CurrentProfile = 141,
    FirstProfileItem = 142,  // Office Mode, Gaming Mode, Profile 3
    ProfileColour = 145,
    StatusTest = 146,
    Profile = 147,
    FireKeyOffsets = 148,
    FireKeySetting = 149,
    FireKeyKeepsLeft = 150,
    FireKeyStart = 151,
    FireKeyNumber = 152,
    NewFireKey = 153,
    DeleteFireKey = 154,
};

constexpr Term operator+(Term first, int offset) {
    return static_cast<Term>(static_cast<int>(first) + offset);
}

constexpr Term operator-(Term first, int offset) {
    return static_cast<Term>(static_cast<int>(first) - offset);
}

}  // namespace gm::ui::text
