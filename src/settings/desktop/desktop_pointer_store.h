#pragma once
// The six stored values of the desktop mouse settings, under the key and value names a Windows
// desktop keeps them by: the Mouse key's pointer speed, precision triple and double-click time,
// and the Desktop key's wheel lines, all as decimal text. On Linux they live in a per-user INI
// file with one section per key (host/desktop_mouse/pointer_store.h); on Windows in the
// current user's registry.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/desktop/desktop_pointer.h"

namespace gm::settings::desktop {

inline constexpr std::string_view kMouseKey = "Control Panel\\Mouse";
inline constexpr std::string_view kDesktopKey = "Control Panel\\Desktop";

struct StoredValue {
    std::string_view key;
    std::string_view name;
    std::string value;
    bool operator==(const StoredValue&) const = default;
};

// The six values in the order they are written: the Mouse key's five, then the Desktop key's.
std::array<StoredValue, 6> storedValuesOf(const PointerValues& values);

// The stored text of `name` under `key`; nothing when it is not there.
using StoredLookup =
    std::function<std::optional<std::string>(std::string_view key, std::string_view name)>;
// The readings of the stored values: a value that is missing or not a decimal number is absent,
// except the precision triple, whose values are each 0 when missing.
PointerReadings readingsOf(const StoredLookup& lookup);

// The INI text of the store and its readings (an empty or garbled text reads as nothing stored).
std::string storeText(const PointerValues& values);
PointerReadings readingsOfStoreText(std::string_view text);

}  // namespace gm::settings::desktop
