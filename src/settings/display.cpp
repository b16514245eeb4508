#include "settings/display.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace gm::settings {
namespace {

constexpr std::array<std::uint8_t, 5> kZkModeCodes{0, 1, 2, 4, 5};

}  // namespace

std::optional<int> cpiOfIndex(unsigned index) {
    if (index < kCpiValues.size())
        return kCpiValues[index];
    return std::nullopt;
}

std::optional<std::uint8_t> indexOfCpi(int cpi) {
    const auto* found = std::find(kCpiValues.begin(), kCpiValues.end(), cpi);
    if (found == kCpiValues.end())
        return std::nullopt;
    return static_cast<std::uint8_t>(found - kCpiValues.begin());
}

int reportRateOf(std::uint8_t vendor4) {
    return kReportRates[(vendor4 >> 4) & 0x03];
}

std::string hexByte(std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::string hexWord(std::uint16_t value) {
    return hexByte(static_cast<std::uint8_t>(value >> 8)) +
           hexByte(static_cast<std::uint8_t>(value & 0xFF));
}

std::string colourText(Rgb colour) {
    return hexByte(colour.red) + hexByte(colour.green) + hexByte(colour.blue);
}

std::optional<Rgb> parseColour(std::string_view text) {
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 3> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i)
        std::from_chars(text.data() + 2 * i, text.data() + 2 * i + 2, parts[i], 16);
    return Rgb{parts[0], parts[1], parts[2]};
}

Rgb colourAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return {bytes[offset], bytes[offset + 1], bytes[offset + 2]};
}

std::string_view ledTypeText(LedType type) {
    static constexpr std::array<std::string_view, kLedTypeCount> kTexts{"RGB", "Sync", "NT",
                                                                        "MCULED"};
    return kTexts[static_cast<std::size_t>(type)];
}

std::string_view ledTypeName(LedType type) {
    static constexpr std::array<std::string_view, kLedTypeCount> kNames{"rgb", "sync", "zk", "mcu"};
    return kNames[static_cast<std::size_t>(type)];
}

std::optional<LedType> ledTypeOfName(std::string_view name) {
    for (int t = 0; t < kLedTypeCount; ++t) {
        const auto type = static_cast<LedType>(t);
        if (ledTypeName(type) == name || ledTypeText(type) == name)
            return type;
    }
    return std::nullopt;
}

const std::vector<std::string_view>& modeNames(LedType type) {
    static const std::vector<std::string_view> kRgb{
        "Off", "Random", "Breath in turn", "Fixed Color", "Mixed Color", "DPI Color", "Mode 7"};
    static const std::vector<std::string_view> kSync{"Off", "Sync Breath", "Sync No-breath"};
    static const std::vector<std::string_view> kZk{"Off", "Random", "Blend", "Fixed", "CPI Breath"};
    static const std::vector<std::string_view> kMcu{
        "DPI Mode", "Colorful Light", "Rainbow", "Flow Light", "Waltz", "4-Seasons", "Off"};
    return perLedType(type, kRgb, kSync, kZk, kMcu);
}

std::uint8_t modeCodeOf(LedType type, int mode) {
    if (type == LedType::Zk)
        return kZkModeCodes[static_cast<std::size_t>(mode)];
    if (type == LedType::Mcu)
        return static_cast<std::uint8_t>(mode + 1);
    return static_cast<std::uint8_t>(mode);
}

std::uint8_t encodeLed(LedType type, int mode, int zkLamps) {
    const std::uint8_t code = modeCodeOf(type, mode);
    switch (type) {
        case LedType::Rgb:
            return code;
        case LedType::Sync:
            return static_cast<std::uint8_t>(0x40 | code);
        case LedType::Zk:
            return static_cast<std::uint8_t>(0x80 | (zkLamps & 0x07) << 4 | code);
        case LedType::Mcu:
            break;
    }
    return static_cast<std::uint8_t>(0x80 | code);
}

LedByte decodeLed(std::uint8_t user1) {
    LedByte led;
    const int high = user1 >> 6;
    const int code = user1 & 0x0F;
    if (high == 0) {
        led.type = LedType::Rgb;
    } else if (high == 1) {
        led.type = LedType::Sync;
    } else if (high == 3 || (user1 & 0x30) != 0) {
        led.type = LedType::Zk;
        led.zkLamps = (user1 >> 4) & 0x07;
    } else {
        led.type = LedType::Mcu;
    }
    const int modes = static_cast<int>(modeNames(led.type).size());
    for (int mode = 0; mode < modes; ++mode) {
        if (modeCodeOf(led.type, mode) == code)
            led.mode = mode;
    }
    return led;
}

std::string productTextOf(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (byte == 0)
            break;
        if (byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '"') {
            text.push_back(static_cast<char>(byte));
        } else {
            text += "\\x" + hexByte(byte);
        }
    }
    return text;
}

bool sameName(std::string_view typed, std::string_view name) {
    const auto folded = [](std::string_view text) {
        std::string out;
        for (const char c : text) {
            if (c != ' ')
                out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
        return out;
    };
    return folded(typed) == folded(name);
}

}  // namespace gm::settings
