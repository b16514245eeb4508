#include "settings/desktop/desktop_pointer.h"

#include <cstddef>

namespace gm::settings::desktop {

namespace {

constexpr int kMissingDoubleClickMs = 480;
constexpr int kMissingWheelLines = 2;
// Zero lines per notch is no wheel at all; it reads as the usual three.
constexpr int kZeroLinesLevel = 3;
constexpr int kUsualSpeedLevel = 6;

bool isLevel(int level) {
    return level >= 1 && level <= kLevels;
}

std::size_t indexOf(int level) {
    return static_cast<std::size_t>(level - 1);
}

}  // namespace

PointerValues valuesOf(const PointerSettings& settings) {
    return {
        .speed = kPointerSpeeds[indexOf(settings.speedLevel)],
        .precision = settings.precision ? kPrecisionOn : kPrecisionOff,
        .doubleClickMs = kDoubleClickTimes[indexOf(settings.doubleClickLevel)],
        .wheelLines = settings.oneScreen ? kOneScreen : settings.wheelLevel,
    };
}

bool setSpeedLevel(PointerSettings& settings, int level) {
    if (!isLevel(level))
        return false;
    settings.speedLevel = level;
    return true;
}

bool setDoubleClickLevel(PointerSettings& settings, int level) {
    if (!isLevel(level))
        return false;
    settings.doubleClickLevel = level;
    return true;
}

bool setWheelLevel(PointerSettings& settings, int level) {
    if (!isLevel(level))
        return false;
    settings.wheelLevel = level;
    return true;
}

void setPrecision(PointerSettings& settings, bool on) {
    settings.precision = on;
}

void setOneScreen(PointerSettings& settings, bool on) {
    settings.oneScreen = on;
}

PointerReadings preferring(const PointerReadings& first, const PointerReadings& fallback) {
    return {
        .speed = first.speed ? first.speed : fallback.speed,
        .precision = first.precision ? first.precision : fallback.precision,
        .doubleClickMs = first.doubleClickMs ? first.doubleClickMs : fallback.doubleClickMs,
        .wheelLines = first.wheelLines ? first.wheelLines : fallback.wheelLines,
    };
}

int speedLevelOf(int speed) {
    // Two values per level below the usual speed and above it; 10 and 11, and anything off the
    // scale, are the usual speed.
    if (speed >= 0 && speed <= 9)
        return speed / 2 + 1;
    if (speed >= 12 && speed <= 19)
        return (speed - 12) / 2 + 7;
    if (speed == kMaxPointerSpeed)
        return kLevels;
    return kUsualSpeedLevel;
}

int doubleClickLevelOf(int milliseconds) {
    // The first level whose time the value reaches; shorter than level 10's time is level 11.
    for (int level = 1; level < kLevels; ++level) {
        if (milliseconds >= kDoubleClickTimes[indexOf(level)])
            return level;
    }
    return kLevels;
}

PointerSettings settingsOf(const PointerReadings& readings) {
    PointerSettings settings;
    settings.speedLevel = readings.speed ? speedLevelOf(*readings.speed) : kUsualSpeedLevel;
    settings.precision = readings.precision.value_or(kPrecisionOff).on();
    settings.doubleClickLevel =
        doubleClickLevelOf(readings.doubleClickMs.value_or(kMissingDoubleClickMs));
    const int lines = readings.wheelLines.value_or(kMissingWheelLines);
    settings.oneScreen = lines == kOneScreen;
    if (settings.oneScreen)
        settings.wheelLevel = 1;
    else if (lines == 0)
        settings.wheelLevel = kZeroLinesLevel;
    else
        settings.wheelLevel = lines >= 1 && lines <= 10 ? lines : kLevels;
    return settings;
}

}  // namespace gm::settings::desktop
