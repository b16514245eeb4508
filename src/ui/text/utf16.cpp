#include "ui/text/utf16.h"

namespace gm::ui::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(std::string& out, char32_t point) {
    const auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
    if (point < 0x80) {
        byte(point);
    } else if (point < 0x800) {
        byte(0xC0 | (point >> 6));
        byte(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        byte(0xE0 | (point >> 12));
        byte(0x80 | ((point >> 6) & 0x3F));
        byte(0x80 | (point & 0x3F));
    } else {
        byte(0xF0 | (point >> 18));
        byte(0x80 | ((point >> 12) & 0x3F));
        byte(0x80 | ((point >> 6) & 0x3F));
        byte(0x80 | (point & 0x3F));
    }
}

void appendUtf16Le(std::vector<std::uint8_t>& out, char32_t unit) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
}

// The code point starting at text[at]; advances `at` past it. Nothing for invalid UTF-8.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& at) {
    const auto unit = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = unit(at);
    std::size_t length = 0;
    char32_t point = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        point = lead & 0x1Fu;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        point = lead & 0x0Fu;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        point = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < length)
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((unit(at + i) & 0xC0) != 0x80)
            return std::nullopt;
        point = (point << 6) | (unit(at + i) & 0x3F);
    }
    if (point < smallest || point > 0x10FFFF || isHighSurrogate(point) || isLowSurrogate(point))
        return std::nullopt;
    at += length;
    return point;
}

}  // namespace

std::string utf8FromUtf16Le(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&bytes](std::size_t i) {
        return static_cast<char32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (isHighSurrogate(unit) && i + 1 < units && isLowSurrogate(unitAt(i + 1))) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    if (bytes.size() % 2 != 0)
        appendUtf8(out, kReplacement);
    return out;
}

std::optional<std::vector<std::uint8_t>> utf16LeFromUtf8(std::string_view text) {
    std::vector<std::uint8_t> out;
    out.reserve(text.size() * 2);
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> point = nextCodePoint(text, at);
        if (!point)
            return std::nullopt;
        if (*point >= 0x10000) {
            const char32_t offset = *point - 0x10000;
            appendUtf16Le(out, 0xD800 + (offset >> 10));
            appendUtf16Le(out, 0xDC00 + (offset & 0x3FF));
        } else {
            appendUtf16Le(out, *point);
        }
    }
    return out;
}

}  // namespace gm::ui::text
