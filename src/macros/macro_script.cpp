#include "macros/macro_script.h"

#include <algorithm>
#include <array>

#include "buttons/key_usages.h"
#include "macros/body_scan.h"
#include "macros/playback_option.h"

namespace gm::macros {

namespace {

using Kind = MacroEvent::Kind;

// The wrapper's bytes: 0xFD n in front, 0xFC behind.
constexpr std::size_t kWrapperBytes = 3;

bool isRepeatMarker(const MacroEvent& event) {
    return event.kind == Kind::RepeatStart || event.kind == Kind::RepeatEnd;
}

// The events are wrapped when the first is a repeat start, the last a repeat end, and no other
// marker stands between them.
bool wrapsWholeBody(const std::vector<MacroEvent>& events) {
    if (events.size() < 2 || events.front().kind != Kind::RepeatStart ||
        events.back().kind != Kind::RepeatEnd)
        return false;
    return std::none_of(events.begin() + 1, events.end() - 1, isRepeatMarker);
}

DelayMode delayModeOf(const std::vector<MacroEvent>& events, int& fixedDelay) {
    std::vector<int> firstDelays;
    for (const MacroEvent& event : events) {
        if (event.kind == Kind::Delay && firstDelays.size() < 4)
            firstDelays.push_back(event.value);
    }
    if (std::all_of(firstDelays.begin(), firstDelays.end(), [](int ms) { return ms == 0; }))
        return DelayMode::None;
    const bool fourEqual = firstDelays.size() == 4 && firstDelays[0] != 0 &&
                           std::all_of(firstDelays.begin(), firstDelays.end(),
                                       [&](int ms) { return ms == firstDelays[0]; });
    if (!fourEqual)
        return DelayMode::Recorded;
    fixedDelay = firstDelays[0];
    return DelayMode::Fixed;
}

bool addsWrapper(const MacroScript& script) {
    return script.playback.has_value() &&
           std::none_of(script.events.begin(), script.events.end(),
                        [](const MacroEvent& event) { return event.kind == Kind::RepeatStart; });
}

constexpr std::array<const char*, 5> kButtonNames{"LeftKey", "RightKey", "MiddleKey", "Forward",
                                                  "Backward"};

}  // namespace

MacroScript scriptOfBody(std::span<const std::uint8_t> body) {
    MacroScript script;
    script.events = eventsOf(body);
    if (wrapsWholeBody(script.events)) {
        script.playback = static_cast<std::uint8_t>(script.events.front().value);
        script.events.erase(script.events.end() - 1);
        script.events.erase(script.events.begin());
    }
    script.delayMode = delayModeOf(script.events, script.fixedDelay);
    return script;
}

std::size_t itemBytes(const MacroEvent& event) {
    switch (event.kind) {
        case Kind::Key:
        case Kind::Modifier:
        case Kind::RepeatStart:
            return 2;
        case Kind::Move:
        case Kind::Delay:
            return 3;
        case Kind::Button:
        case Kind::RepeatEnd:
            return 1;
    }
    return 0;
}

void appendItem(const MacroEvent& event, std::vector<std::uint8_t>& bytes) {
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value & 0xFF); };
    const std::uint8_t pressed = event.down ? opcode::kPressed : 0;
    switch (event.kind) {
        case Kind::Key:
            bytes.insert(bytes.end(), {byte(opcode::kKeyUp | pressed), byte(event.value)});
            break;
        case Kind::Modifier:
            bytes.insert(bytes.end(), {byte(opcode::kModifierUp | pressed), byte(event.value)});
            break;
        case Kind::Button:
            bytes.push_back(byte(0x20 | pressed | event.value));
            break;
        case Kind::Move: {
            const std::array<std::uint8_t, 3> item = moveItem(event.x, event.y);
            bytes.insert(bytes.end(), item.begin(), item.end());
            break;
        }
        case Kind::Delay: {
            const int ms = std::clamp(event.value, 0, kMaxDelayMs);
            bytes.insert(bytes.end(), {opcode::kDelay, byte(ms >> 8), byte(ms)});
            break;
        }
        case Kind::RepeatStart:
            bytes.insert(bytes.end(), {opcode::kRepeatStart, byte(event.value)});
            break;
        case Kind::RepeatEnd:
            bytes.push_back(opcode::kRepeatEnd);
            break;
    }
}

std::size_t scriptBytes(const MacroScript& script) {
    std::size_t bytes = 1 + (addsWrapper(script) ? kWrapperBytes : 0);
    for (const MacroEvent& event : script.events)
        bytes += itemBytes(event);
    return bytes;
}

bool hasRepeatMarkers(const MacroScript& script) {
    return std::any_of(script.events.begin(), script.events.end(), isRepeatMarker);
}

EncodedBody bodyOfScript(const MacroScript& script) {
    EncodedBody encoded;
    if (scriptBytes(script) > image::kMacroBodySize) {
        encoded.fits = false;
        return encoded;
    }
    std::vector<std::uint8_t> bytes;
    const bool wrapped = addsWrapper(script);
    if (wrapped)
        bytes.insert(bytes.end(), {opcode::kRepeatStart, *script.playback});
    for (const MacroEvent& event : script.events)
        appendItem(event, bytes);
    if (wrapped)
        bytes.push_back(opcode::kRepeatEnd);
    bytes.push_back(opcode::kEnd);
    std::copy(bytes.begin(), bytes.end(), encoded.body.begin());
    encoded.length = bytes.size();
    return encoded;
}

std::string editorText(const MacroEvent& event) {
    switch (event.kind) {
        case Kind::Key:
            return std::string(buttons::keyNameOfUsage(static_cast<std::uint8_t>(event.value)));
        case Kind::Modifier:
        case Kind::Button: {
            if (event.kind == Kind::Button) {
                for (std::size_t bit = 0; bit < kButtonNames.size(); ++bit) {
                    if (event.value == (1 << bit))
                        return kButtonNames[bit];
                }
            }
            const std::string line = describeEvent(event);
            return line.substr(0, line.rfind(' '));
        }
        case Kind::Delay:
            return std::to_string(event.value) + " ms";
        case Kind::Move:
            return "X: " + std::to_string(event.x) + "  Y: " + std::to_string(event.y);
        case Kind::RepeatStart:
            return "Rep-Start  " + std::to_string(event.value);
        case Kind::RepeatEnd:
            return "Rep-Stop";
    }
    return {};
}

}  // namespace gm::macros
