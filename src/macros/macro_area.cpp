#include "macros/macro_area.h"

#include <algorithm>

#include "macros/body_scan.h"
#include "macros/macro_name.h"

namespace gm::macros {

namespace {

// Sets the total and every non-empty slot's body address from the lengths.
void address(image::DeviceMacroTables& tables) {
    tables.total = 0;
    tables.entries[0].address = image::kFirstMacroBodyAddress;
    for (std::size_t i = 0; i < image::kDeviceMacroSlots; ++i) {
        image::DeviceMacroSlot& slot = tables.entries[i];
        if (i > 0 && !slot.empty())
            slot.address = static_cast<std::uint16_t>(image::kFirstMacroBodyAddress + tables.total);
        tables.total += slot.length;
    }
}

// Writes `bytes` at `at` as far as the area goes; `at` moves past all of them.
void put(MacroArea& area, std::size_t& at, std::span<const std::uint8_t> bytes) {
    const std::size_t room = at < area.size() ? area.size() - at : 0;
    std::copy_n(bytes.begin(), std::min(room, bytes.size()),
                area.begin() + static_cast<std::ptrdiff_t>(at));
    at += bytes.size();
}

}  // namespace

image::DeviceMacroTables parseMacroArea(std::span<const std::uint8_t, kMacroAreaSize> area) {
    image::DeviceMacroTables tables;
    std::size_t at = 0;
    for (image::DeviceMacroSlot& slot : tables.entries) {
        if (at + image::kMacroNameSize > area.size() || marksEmptySlot(area[at], area[at + 1]))
            break;
        std::copy_n(area.begin() + static_cast<std::ptrdiff_t>(at), image::kMacroNameSize,
                    slot.name.begin());
        at += image::kMacroNameSize;
        const StoredBody body = storedBody(area.subspan(at));
        slot.body = body.body;
        slot.length = static_cast<std::uint16_t>(image::kMacroNameSize + body.length);
        at += body.length;
    }
    address(tables);
    return tables;
}

RebuiltArea rebuildMacroArea(const image::DeviceMacroTables& tables) {
    RebuiltArea rebuilt;
    std::size_t& at = rebuilt.total;
    for (const image::DeviceMacroSlot& slot : tables.entries) {
        if (slot.empty())
            continue;
        put(rebuilt.area, at, slot.name);
        const std::size_t bodyLength = std::min<std::size_t>(
            slot.length - std::min<std::size_t>(slot.length, image::kMacroNameSize),
            image::kMacroBodySize);
        const std::span<const std::uint8_t> body(slot.body.data(), bodyLength);
        for (std::size_t item = 0; item < bodyLength;) {
            const std::size_t length =
                std::min(itemLength(body[item]).value_or(1), bodyLength - item);
            // A multi-byte item never starts on the last byte of the first half: the filler
            // takes that byte and the item starts the second half.
            if (at == kAreaHalf - 1 && length > 1) {
                const std::uint8_t filler = opcode::kRepeatEnd;
                put(rebuilt.area, at, std::span(&filler, 1));
            }
            put(rebuilt.area, at, body.subspan(item, length));
            item += length;
        }
    }
    return rebuilt;
}

std::size_t deviceMacroCount(const image::DeviceMacroTables& tables) {
    return static_cast<std::size_t>(
        std::count_if(tables.entries.begin(), tables.entries.end(),
                      [](const image::DeviceMacroSlot& slot) { return !slot.empty(); }));
}

}  // namespace gm::macros
