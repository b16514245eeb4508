#include "macros/macro_events.h"

#include <algorithm>
#include <array>

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

std::string keyName(int usage) {
    const std::string_view name = buttons::keyNameOfUsage(static_cast<std::uint8_t>(usage));
    return name.empty() ? "key 0x" + image::hexText(usage, 2) : std::string(name);
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
            return "end repeat";
    }
    return {};
}

std::array<std::uint8_t, 3> moveItem(int x, int y) {
    const auto low = [](int value) {
        return static_cast<std::uint8_t>(std::clamp(value, -128, 127) & 0xFF);
    };
    return {opcode::kMove, low(x), low(y)};
}

}  // namespace gm::macros
