#include "macros/fire_records.h"

#include <algorithm>

#include "macros/body_scan.h"
#include "macros/macro_name.h"
#include "macros/macro_script.h"

namespace gm::macros {

namespace {

using Kind = MacroEvent::Kind;

constexpr int kLeftButton = 0x01;

}  // namespace

bool isFireEvent(const MacroEvent& event) {
    switch (event.kind) {
        case Kind::Button:
            return event.value == kLeftButton;
        case Kind::Move:
        case Kind::Delay:
        case Kind::RepeatStart:
        case Kind::RepeatEnd:
            return true;
        default:
            return false;
    }
}

std::size_t fireRecordLength(std::span<const std::uint8_t> record) {
    return scanBody(record).length;
}

std::vector<MacroEvent> fireEventsOf(std::span<const std::uint8_t> record) {
    std::vector<MacroEvent> events = eventsOf(record);
    std::erase_if(events, [](const MacroEvent& event) { return !isFireEvent(event); });
    return events;
}

std::size_t fireBodySize(std::span<const MacroEvent> events) {
    std::size_t size = 1;
    for (const MacroEvent& event : events)
        size += itemBytes(event);
    return size;
}

FireEncoding encodeFireRecord(std::span<const MacroEvent> events, std::size_t recordSize) {
    FireEncoding encoded;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (!isFireEvent(events[i])) {
            encoded.refusal = "event " + std::to_string(i + 1) + " (" + describeEvent(events[i]) +
                              ") is not a fire macro event";
            return encoded;
        }
    }
    const std::size_t size = fireBodySize(events);
    if (size > recordSize) {
        encoded.refusal = "the events take " + std::to_string(size) +
                          " bytes with the terminator; a fire macro record holds " +
                          std::to_string(recordSize);
        return encoded;
    }
    encoded.record.reserve(recordSize);
    for (const MacroEvent& event : events)
        appendItem(event, encoded.record);
    encoded.record.resize(recordSize, opcode::kEnd);
    return encoded;
}

std::span<const std::uint8_t> fireRecord(const image::ImageModel& model, std::size_t index) {
    return model.copies.fireMacroRecords.at(index);
}

std::string fireMacroName(const image::ImageModel& model, std::size_t index) {
    if (model.geometry.hasFireMacroNames) {
        const image::MacroName& name = model.copies.fireMacroNames.at(index);
        if (!marksEmptySlot(name[0], name[1])) {
            std::string text = decodeMacroName(name);
            if (!text.empty())
                return text;
        }
    }
    return "Fire Macro" + std::to_string(index + 1);
}

std::string renameFireMacro(image::ImageModel& model, std::size_t index, std::string_view name) {
    if (!model.geometry.hasFireMacroNames)
        return "the 4210A keeps no names for its fire macros";
    const image::MacroName encoded = encodeMacroName(name);
    if (!isStorableName(encoded))
        return "the mouse would read this name as no name";
    model.copies.fireMacroNames.at(index) = encoded;
    return {};
}

}  // namespace gm::macros
