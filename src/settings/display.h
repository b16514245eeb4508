#pragma once
// How the settings bytes read as users think of them: CPI numbers, report rates in hertz,
// colours as RRGGBB, LED types and mode names. Every view (window, gmousectl, image show) decodes
// through these functions, so they all say the same thing.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gm::settings {

// Whether a name typed by a user is `name`: letter case and spaces do not count.
bool sameName(std::string_view typed, std::string_view name);

// The twelve CPI values a level can take; the mouse stores the index.
inline constexpr std::array<int, 12> kCpiValues{200,  400,  600,  800,  1000, 1200,
                                                1600, 2000, 2400, 3200, 4800, 6400};
inline constexpr int kCpiLevelCount = 8;
std::optional<int> cpiOfIndex(unsigned index);
std::optional<std::uint8_t> indexOfCpi(int cpi);

inline constexpr std::array<int, 4> kReportRates{125, 250, 500, 1000};
// The rate of Vendor 4 bits 5-4.
int reportRateOf(std::uint8_t vendor4);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};
// "RRGGBB", upper case.
std::string colourText(Rgb colour);
// Six hexadecimal digits (an optional leading '#'), or nullopt.
std::optional<Rgb> parseColour(std::string_view text);
Rgb colourAt(std::span<const std::uint8_t> bytes, std::size_t offset);

// The four kinds of LED hardware, in the order of the type selector.
enum class LedType { Rgb, Sync, Zk, Mcu };
inline constexpr int kLedTypeCount = 4;
// One of four values, one per LED type, in the order of LedType (the per-type lists of modes).
template <typename T>
const T& perLedType(LedType type, const T& rgb, const T& sync, const T& zk, const T& mcu) {
    switch (type) {
        case LedType::Rgb:
            return rgb;
        case LedType::Sync:
            return sync;
        case LedType::Zk:
            return zk;
        case LedType::Mcu:
            break;
    }
    return mcu;
}
// "RGB", "Sync", "NT", "MCULED": the text kept beside the image.
std::string_view ledTypeText(LedType type);
// The names users choose types by: "rgb", "sync", "zk", "mcu".
std::string_view ledTypeName(LedType type);
std::optional<LedType> ledTypeOfName(std::string_view name);
const std::vector<std::string_view>& modeNames(LedType type);

// User 1 as a type, a mode index into modeNames() and (ZK LED) a lamp count index 0..7.
struct LedByte {
    LedType type = LedType::Rgb;
    std::optional<int> mode;  // empty: the mode code names no mode of the type
    int zkLamps = 0;
};
LedByte decodeLed(std::uint8_t user1);
// The byte for a type, mode index and ZK lamp count index. The ZK modes 3 and 4 are codes 4 and 5.
std::uint8_t encodeLed(LedType type, int mode, int zkLamps);
// The mode code (bits 3-0) of a mode index of a type.
std::uint8_t modeCodeOf(LedType type, int mode);

// The sixteen product text bytes as text: printable ASCII as is, a zero byte ends it, other
// bytes as \xNN.
std::string productTextOf(std::span<const std::uint8_t> bytes);

// "1A" style, two upper-case hex digits; "12AB" for four.
std::string hexByte(std::uint8_t value);
std::string hexWord(std::uint16_t value);

}  // namespace gm::settings
