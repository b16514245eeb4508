#include "macros/macro_recorder.h"

#include <algorithm>
#include <array>

#include "buttons/key_usages.h"

namespace gm::macros {

namespace {

using Kind = MacroEvent::Kind;

constexpr std::uint8_t kFirstModifierUsage = 0xE0;
// The modifier mask of usages 0xE0..0xE7 (Left Ctrl, Shift, Alt, Win, Right Ctrl, Shift, Alt,
// Win).
constexpr std::array<int, 8> kModifierMask{0x01, 0x02, 0x04, 0x08, 0x01, 0x02, 0x04, 0x80};

bool sameInput(const MacroEvent& a, const MacroEvent& b) {
    return a.kind == b.kind && a.value == b.value;
}

MacroEvent released(MacroEvent event) {
    event.down = false;
    return event;
}

}  // namespace

std::optional<MacroEvent> keyEventOf(std::uint8_t usage, bool down) {
    if (usage >= kFirstModifierUsage && usage - kFirstModifierUsage < 8)
        return MacroEvent{Kind::Modifier, down, kModifierMask[usage - kFirstModifierUsage]};
    if (usage == 0 || buttons::keyNameOfUsage(usage).empty())
        return std::nullopt;
    return MacroEvent{Kind::Key, down, usage};
}

MacroRecorder::MacroRecorder(MacroScript& script, std::size_t at, DelayMode delays, int fixedDelay,
                             std::size_t capacity)
    : script_(script),
      position_(std::min(at, script.events.size())),
      delays_(delays),
      fixedDelay_(std::clamp(fixedDelay, 1, kMaxDelayMs)),
      capacity_(capacity) {
    for (const MacroEvent& event : script.events)
        used_ += itemBytes(event);
}

MacroRecorder::Take MacroRecorder::key(std::uint8_t usage, bool down, device::Micros at) {
    const std::optional<MacroEvent> event = keyEventOf(usage, down);
    return event ? record(*event, at) : Take::Ignored;
}

MacroRecorder::Take MacroRecorder::button(int bit, bool down, device::Micros at) {
    return record(MacroEvent{Kind::Button, down, bit}, at);
}

std::size_t MacroRecorder::delayBytes() const {
    return delays_ == DelayMode::None ? 0 : 3;
}

MacroRecorder::Take MacroRecorder::record(const MacroEvent& event, device::Micros at) {
    const auto held = std::find_if(held_.begin(), held_.end(),
                                   [&](const MacroEvent& h) { return sameInput(h, event); });
    if (event.down == (held != held_.end()))
        return Take::Ignored;  // a repeated press, or the release of a key pressed before
    const std::size_t delay = lastAt_ ? delayBytes() : 0;
    std::size_t needed = delay + itemBytes(event);
    if (event.down) {
        // Room for the release of every key held, this one included, with its delay.
        needed += delayBytes() + itemBytes(released(event));
        for (const MacroEvent& h : held_)
            needed += delayBytes() + itemBytes(released(h));
    } else {
        // Its release was reserved with its press; only the others' stay reserved.
        for (const MacroEvent& h : held_) {
            if (!sameInput(h, event))
                needed += delayBytes() + itemBytes(released(h));
        }
    }
    if (used_ + needed > capacity_)
        return Take::Full;
    if (lastAt_ && delays_ != DelayMode::None) {
        const long long ms = (at - *lastAt_).count() / 1000;
        const int value = delays_ == DelayMode::Fixed
                              ? fixedDelay_
                              : static_cast<int>(std::clamp<long long>(ms, 0, kMaxDelayMs));
        insert(MacroEvent{Kind::Delay, false, value});
    }
    lastAt_ = at;
    insert(event);
    if (event.down)
        held_.push_back(event);
    else
        held_.erase(held);
    return Take::Recorded;
}

void MacroRecorder::insert(const MacroEvent& event) {
    script_.events.insert(script_.events.begin() + static_cast<std::ptrdiff_t>(position_), event);
    ++position_;
    used_ += itemBytes(event);
}

void MacroRecorder::finish() {
    while (!held_.empty()) {
        insert(released(held_.back()));
        held_.pop_back();
    }
}

}  // namespace gm::macros
