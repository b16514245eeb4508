#include "macros/macro_events.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "buttons/key_usages.h"
#include "image/hex_text.h"
#include "macros/body_scan.h"
#include "macros/playback_option.h"

namespace gm::macros {

namespace {

using Kind = MacroEvent::Kind;

struct Named {
    int bit;
    const char* name;
};

constexpr std::array<Named, 5> kButtons{
    {{0x01, "left"}, {0x02, "right"}, {0x04, "middle"}, {0x08, "forward"}, {0x10, "backward"}}};
// The HID modifier byte, bit by bit.
constexpr std::array<Named, 8> kModifiers{{{0x01, "Ctrl"},
                                           {0x02, "Shift"},
                                           {0x04, "Alt"},
                                           {0x08, "Win"},
                                           {0x10, "Right Ctrl"},
                                           {0x20, "Right Shift"},
                                           {0x40, "Right Alt"},
                                           {0x80, "Right Win"}}};

std::string joined(int mask, std::span<const Named> names) {
    std::string text;
    for (const Named& named : names) {
        if (mask & named.bit)
            text += (text.empty() ? "" : "+") + std::string(named.name);
    }
    return text.empty() ? "0x" + image::hexText(mask, 2) : text;
}

bool namesOneOf(std::string_view text, std::span<const Named> names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const Named& named) { return text == named.name; });
}

// A key by its name when the name reads back as that key alone, else by its usage.
std::string keyName(int usage) {
    const auto code = static_cast<std::uint8_t>(usage);
    const std::string_view name = buttons::keyNameOfUsage(code);
    const bool unique = !name.empty() && buttons::usageOfKeyName(name) == code &&
                        !namesOneOf(name, kModifiers) && !namesOneOf(name, kButtons);
    return unique ? std::string(name) : "key 0x" + image::hexText(usage, 2);
}

// "0x1F" or "31" in 0..`max`.
std::optional<int> numberOf(std::string_view text, int min, int max) {
    if (text.empty())
        return std::nullopt;
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value, base);
    if (error != std::errc{} || at != end || value < min || value > max)
        return std::nullopt;
    return value;
}

// "Ctrl+Shift" or "left": the bits of the names, or one "0x.." number.
std::optional<int> maskOf(std::string_view text, std::span<const Named> names) {
    if (const auto number = numberOf(text, 0, 255); number && text.starts_with("0x"))
        return number;
    int mask = 0;
    while (!text.empty()) {
        const std::size_t plus = text.find('+');
        const std::string_view part = text.substr(0, plus);
        const auto named = std::find_if(names.begin(), names.end(),
                                        [&](const Named& n) { return part == n.name; });
        if (named == names.end())
            return std::nullopt;
        mask |= named->bit;
        text = plus == std::string_view::npos ? std::string_view{} : text.substr(plus + 1);
    }
    return mask == 0 ? std::nullopt : std::optional<int>(mask);
}

std::optional<MacroEvent> pressOf(std::string_view name) {
    if (const auto bits = maskOf(name, kButtons))
        return MacroEvent{Kind::Button, true, *bits};
    if (const auto mask = maskOf(name, kModifiers))
        return MacroEvent{Kind::Modifier, true, *mask};
    if (name.starts_with("key ")) {
        const auto usage = numberOf(name.substr(4), 0, 255);
        return usage ? std::optional<MacroEvent>({Kind::Key, true, *usage}) : std::nullopt;
    }
    const auto usage = buttons::usageOfKeyName(name);
    return usage ? std::optional<MacroEvent>({Kind::Key, true, *usage}) : std::nullopt;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// The text before `suffix` when `line` ends in it.
std::optional<std::string_view> before(std::string_view line, std::string_view suffix) {
    if (!line.ends_with(suffix))
        return std::nullopt;
    return trimmed(line.substr(0, line.size() - suffix.size()));
}

}  // namespace

std::vector<MacroEvent> eventsOf(std::span<const std::uint8_t> body) {
    std::vector<MacroEvent> events;
    const BodyScan scan = scanBody(body);
    const std::size_t end =
        scan.terminated() ? scan.length - 1 : std::min<std::size_t>(body.size(), 256);
    for (std::size_t at = 0; at < end;) {
        const std::uint8_t code = body[at];
        const auto length = itemLength(code);
        if (!length || at + *length > end)
            break;
        MacroEvent event;
        const int operand = *length > 1 ? body[at + 1] : 0;
        switch (code) {
            case opcode::kKeyDown:
            case opcode::kKeyUp:
                event = {Kind::Key, code == opcode::kKeyDown, operand};
                break;
            case opcode::kModifierDown:
            case opcode::kModifierUp:
                event = {Kind::Modifier, code == opcode::kModifierDown, operand};
                break;
            case opcode::kMove:
                event.kind = Kind::Move;
                event.x = static_cast<std::int8_t>(body[at + 1]);
                event.y = static_cast<std::int8_t>(body[at + 2]);
                break;
            case opcode::kDelay:
                event = {Kind::Delay, false, (body[at + 1] << 8) | body[at + 2]};
                break;
            case opcode::kRepeatStart:
                event = {Kind::RepeatStart, false, operand};
                break;
            case opcode::kRepeatEnd:
                event.kind = Kind::RepeatEnd;
                break;
            default:  // the mouse buttons: 0xA0 | bit pressed, 0x20 | bit released
                event = {Kind::Button, (code & opcode::kPressed) != 0, code & 0x1F};
                break;
        }
        events.push_back(event);
        at += *length;
    }
    return events;
}

std::string describeEvent(const MacroEvent& event) {
    const std::string direction = event.down ? " down" : " up";
    switch (event.kind) {
        case Kind::Key:
            return keyName(event.value) + direction;
        case Kind::Modifier:
            return joined(event.value, kModifiers) + direction;
        case Kind::Button:
            return joined(event.value, kButtons) + direction;
        case Kind::Move:
            return "move " + std::to_string(event.x) + " " + std::to_string(event.y);
        case Kind::Delay:
            return std::to_string(event.value) + " ms";
        case Kind::RepeatStart:
            return event.value == kUntilReleased ? "repeat until released"
                                                 : "repeat " + std::to_string(event.value);
        case Kind::RepeatEnd:
            return "repeat end";
    }
    return {};
}

std::optional<std::vector<MacroEvent>> eventsOfLine(std::string_view text) {
    using Events = std::vector<MacroEvent>;
    const std::string_view line = trimmed(text);
    if (line == "repeat end" || line == "end repeat")
        return Events{{Kind::RepeatEnd}};
    if (line == "repeat until released" || line == "until released")
        return Events{{Kind::RepeatStart, false, kUntilReleased}};
    if (line.starts_with("repeat ")) {
        const auto count = numberOf(trimmed(line.substr(7)), 1, 254);
        return count ? std::optional<Events>({{Kind::RepeatStart, false, *count}}) : std::nullopt;
    }
    if (const auto ms = before(line, " ms")) {
        const auto value = numberOf(*ms, 0, 65535);
        return value ? std::optional<Events>({{Kind::Delay, false, *value}}) : std::nullopt;
    }
    if (line.starts_with("move ")) {
        const std::string_view operands = trimmed(line.substr(5));
        const std::size_t gap = operands.find(' ');
        const auto x = numberOf(operands.substr(0, gap), -128, 127);
        const auto y = gap == std::string_view::npos
                           ? std::nullopt
                           : numberOf(trimmed(operands.substr(gap)), -128, 127);
        if (!x || !y)
            return std::nullopt;
        MacroEvent move{Kind::Move};
        move.x = *x;
        move.y = *y;
        return Events{move};
    }
    for (const std::string_view direction : {" down", " up", " click"}) {
        const auto name = before(line, direction);
        if (!name)
            continue;
        std::optional<MacroEvent> press = pressOf(*name);
        if (!press)
            return std::nullopt;
        MacroEvent release = *press;
        release.down = false;
        if (direction == " down")
            return Events{*press};
        if (direction == " up")
            return Events{release};
        return Events{*press, release};
    }
    return std::nullopt;
}

std::array<std::uint8_t, 3> moveItem(int x, int y) {
    const auto low = [](int value) {
        return static_cast<std::uint8_t>(std::clamp(value, -128, 127) & 0xFF);
    };
    return {opcode::kMove, low(x), low(y)};
}

}  // namespace gm::macros
