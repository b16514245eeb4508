#pragma once
// The desktop mouse settings of the Pointer card: pointer speed, "Enhance pointer precision",
// double-click time and wheel scrolling (lines per notch, or one screen per notch). The card
// holds them as eleven-step levels; a desktop applies the values the levels stand for. Reading
// turns values found in the store or on the desktop back into levels. Nothing here touches a
// desktop: host/desktop_mouse applies and reads them.

#include <array>
#include <optional>

namespace gm::settings::desktop {

inline constexpr int kLevels = 11;
// The pointer speed value of levels 1..11, on the scale 0..20 whose middle (10) is the usual
// speed.
inline constexpr std::array<int, kLevels> kPointerSpeeds{1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
inline constexpr int kMaxPointerSpeed = 20;
// The double-click time of levels 1..11 in milliseconds: 70 ms shorter per level.
inline constexpr std::array<int, kLevels> kDoubleClickTimes{900, 830, 760, 690, 620, 550,
                                                            480, 410, 340, 270, 200};
// The wheel value of one screen per notch; otherwise the value is the lines per notch.
inline constexpr int kOneScreen = -1;

// Pointer precision as two movement thresholds and an acceleration step: the speed doubles
// beyond threshold 1 when acceleration is 1 (again beyond threshold 2 when it is 2).
struct Precision {
    int threshold1 = 0;
    int threshold2 = 0;
    int acceleration = 0;
    bool on() const { return threshold1 != 0 || threshold2 != 0 || acceleration != 0; }
    bool operator==(const Precision&) const = default;
};
inline constexpr Precision kPrecisionOn{6, 10, 1};
inline constexpr Precision kPrecisionOff{0, 0, 0};

// What the card shows. The wheel level is kept while one-screen mode is on, so switching it off
// returns to that many lines.
struct PointerSettings {
    int speedLevel = 6;
    bool precision = false;
    int doubleClickLevel = 7;
    int wheelLevel = 2;
    bool oneScreen = false;
    bool operator==(const PointerSettings&) const = default;
};

// The values a desktop applies and the store keeps.
struct PointerValues {
    int speed = 10;
    Precision precision;
    int doubleClickMs = 480;
    int wheelLines = 2;  // kOneScreen in one-screen mode
    bool operator==(const PointerValues&) const = default;
};
PointerValues valuesOf(const PointerSettings& settings);

// The changes of the card; a level outside 1..11 changes nothing and is false.
bool setSpeedLevel(PointerSettings& settings, int level);
bool setDoubleClickLevel(PointerSettings& settings, int level);
// Also the level one-screen mode returns to.
bool setWheelLevel(PointerSettings& settings, int level);
void setPrecision(PointerSettings& settings, bool on);
void setOneScreen(PointerSettings& settings, bool on);

// What was read back, each value absent where its source lacks it or it is not a number.
struct PointerReadings {
    std::optional<int> speed = std::nullopt;
    std::optional<Precision> precision = std::nullopt;
    std::optional<int> doubleClickMs = std::nullopt;
    std::optional<int> wheelLines = std::nullopt;
    bool operator==(const PointerReadings&) const = default;
};
// Each value from `first` where it has one, else from `fallback`.
PointerReadings preferring(const PointerReadings& first, const PointerReadings& fallback);

// The levels of values read back: a missing pointer speed reads as level 6 (the usual speed), a
// missing precision as off, a missing double-click time as 480 ms and missing wheel lines as 2.
PointerSettings settingsOf(const PointerReadings& readings);
int speedLevelOf(int speed);
int doubleClickLevelOf(int milliseconds);

// The four settings in the order every apply runs them.
enum class Setting { PointerSpeed, Precision, DoubleClick, WheelLines };
inline constexpr std::array<Setting, 4> kApplyOrder{Setting::PointerSpeed, Setting::Precision,
                                                    Setting::DoubleClick, Setting::WheelLines};

}  // namespace gm::settings::desktop
