#include "macros/macro_name.h"

#include <cstdint>
#include <vector>

namespace gm::macros {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next code point of `text` from `at`, which moves past it. Overlong forms, surrogates and
// values above U+10FFFF are not UTF-8 and read as U+FFFD, one byte at a time.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    // Sequence length by the lead byte: its value bits and the least value it may carry.
    struct Form {
        unsigned char mask;
        unsigned char pattern;
        std::size_t extra;
        char32_t least;
    };
    constexpr Form kForms[] = {
        {0xE0, 0xC0, 1, 0x80}, {0xF0, 0xE0, 2, 0x800}, {0xF8, 0xF0, 3, 0x10000}};
    const Form* form = nullptr;
    for (const Form& candidate : kForms) {
        if ((lead & candidate.mask) == candidate.pattern)
            form = &candidate;
    }
    if (form == nullptr)
        return kReplacement;
    const std::size_t extra = form->extra;
    char32_t value = lead & static_cast<unsigned char>(~form->mask & 0xFF);
    if (at + extra > text.size())
        return kReplacement;
    for (std::size_t i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return kReplacement;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < form->least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return kReplacement;
    at += extra;
    return value;
}

void appendUtf8(std::string& text, char32_t value) {
    if (value < 0x80) {
        text += static_cast<char>(value);
    } else if (value < 0x800) {
        text += static_cast<char>(0xC0 | (value >> 6));
        text += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        text += static_cast<char>(0xE0 | (value >> 12));
        text += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (value >> 18));
        text += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (value & 0x3F));
    }
}

bool isHighSurrogate(std::uint16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(std::uint16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

image::MacroName encodeMacroName(std::string_view text) {
    std::vector<std::uint16_t> units;
    for (std::size_t at = 0; at < text.size();) {
        const char32_t value = nextCodePoint(text, at);
        if (value == 0)
            break;
        if (value < 0x10000) {
            if (units.size() + 1 > image::kMacroNameUnits)
                break;
            units.push_back(static_cast<std::uint16_t>(value));
        } else {
            if (units.size() + 2 > image::kMacroNameUnits)
                break;
            const char32_t offset = value - 0x10000;
            units.push_back(static_cast<std::uint16_t>(0xD800 + (offset >> 10)));
            units.push_back(static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF)));
        }
    }
    image::MacroName name{};
    for (std::size_t i = 0; i < units.size(); ++i) {
        name[2 * i] = static_cast<std::uint8_t>(units[i] >> 8);
        name[2 * i + 1] = static_cast<std::uint8_t>(units[i] & 0xFF);
    }
    return name;
}

std::string decodeMacroName(const image::MacroName& name) {
    std::string text;
    for (std::size_t i = 0; i < image::kMacroNameUnits; ++i) {
        const auto unit = static_cast<std::uint16_t>((name[2 * i] << 8) | name[2 * i + 1]);
        if (unit == 0)
            continue;
        if (isHighSurrogate(unit) && i + 1 < image::kMacroNameUnits) {
            const auto low = static_cast<std::uint16_t>((name[2 * i + 2] << 8) | name[2 * i + 3]);
            if (isLowSurrogate(low)) {
                appendUtf8(text, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(text, isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit);
    }
    return text;
}

bool marksEmptySlot(std::uint8_t first, std::uint8_t second) {
    return (first == 0x00 && second == 0x00) || first == 0xFF || second == 0xFF;
}

bool isUsedRecord(const image::MacroName& name) {
    return name[0] != 0 || name[1] != 0;
}

bool isStorableName(const image::MacroName& name) {
    return !marksEmptySlot(name[0], name[1]);
}

}  // namespace gm::macros
