#include "settings/desktop/desktop_pointer_store.h"

#include "image/settings/ini_text.h"

namespace gm::settings::desktop {

namespace {

constexpr std::string_view kSensitivity = "MouseSensitivity";
constexpr std::string_view kAcceleration = "MouseSpeed";
constexpr std::string_view kThreshold1 = "MouseThreshold1";
constexpr std::string_view kThreshold2 = "MouseThreshold2";
constexpr std::string_view kDoubleClick = "DoubleClickSpeed";
constexpr std::string_view kWheelLines = "WheelScrollLines";

std::optional<int> numberOf(const StoredLookup& lookup, std::string_view key,
                            std::string_view name) {
    const std::optional<std::string> text = lookup(key, name);
    return text ? image::settings::parseDecimal(*text) : std::nullopt;
}

}  // namespace

std::array<StoredValue, 6> storedValuesOf(const PointerValues& values) {
    const auto text = [](int number) { return std::to_string(number); };
    return {{
        {kMouseKey, kSensitivity, text(values.speed)},
        {kMouseKey, kAcceleration, text(values.precision.acceleration)},
        {kMouseKey, kThreshold1, text(values.precision.threshold1)},
        {kMouseKey, kThreshold2, text(values.precision.threshold2)},
        {kMouseKey, kDoubleClick, text(values.doubleClickMs)},
        {kDesktopKey, kWheelLines, text(values.wheelLines)},
    }};
}

PointerReadings readingsOf(const StoredLookup& lookup) {
    const auto precisionValue = [&](std::string_view name) {
        return numberOf(lookup, kMouseKey, name).value_or(0);
    };
    return {
        .speed = numberOf(lookup, kMouseKey, kSensitivity),
        .precision = Precision{.threshold1 = precisionValue(kThreshold1),
                               .threshold2 = precisionValue(kThreshold2),
                               .acceleration = precisionValue(kAcceleration)},
        .doubleClickMs = numberOf(lookup, kMouseKey, kDoubleClick),
        .wheelLines = numberOf(lookup, kDesktopKey, kWheelLines),
    };
}

std::string storeText(const PointerValues& values) {
    std::string text;
    std::string_view section;
    for (const StoredValue& stored : storedValuesOf(values)) {
        if (stored.key != section) {
            section = stored.key;
            text.append(text.empty() ? "" : "\n").append("[").append(section).append("]\n");
        }
        text.append(stored.name).append("=").append(stored.value).append("\n");
    }
    return text;
}

PointerReadings readingsOfStoreText(std::string_view text) {
    const image::settings::IniText ini = image::settings::IniText::parse(text);
    return readingsOf([&ini](std::string_view key, std::string_view name) {
        return ini.section(key).value(name);
    });
}

}  // namespace gm::settings::desktop
