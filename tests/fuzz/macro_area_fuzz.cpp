// libFuzzer target: outside bytes as a Macro area (the first 512 bytes, zero-padded), as a macro
// body, as the macro file and as a name. Every parse must end inside what it was given, and
// what the parser keeps must hold together; the sanitizers catch reads out of bounds.
#include <cstddef>
#include <cstdint>
#include <span>

#include "macros/body_scan.h"
#include "macros/macro_area.h"
#include "macros/macro_events.h"
#include "macros/macro_name.h"
#include "macros/pc_macros.h"

namespace {

void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

void checkArea(std::span<const std::uint8_t> data) {
    gm::macros::MacroArea area{};
    std::copy_n(data.begin(), std::min(data.size(), area.size()), area.begin());
    const gm::image::DeviceMacroTables tables = gm::macros::parseMacroArea(area);
    std::int32_t total = 0;
    for (const gm::image::DeviceMacroSlot& slot : tables.entries) {
        require(slot.empty() || (slot.length >= 16 && slot.length <= 16 + 256));
        total += slot.length;
    }
    require(total == tables.total && total <= 512);
    const gm::macros::RebuiltArea rebuilt = gm::macros::rebuildMacroArea(tables);
    require(rebuilt.total <= static_cast<std::size_t>(total) + 1);
    const gm::image::DeviceMacroTables again = gm::macros::parseMacroArea(rebuilt.area);
    require(gm::macros::deviceMacroCount(again) <= gm::image::kDeviceMacroSlots);
}

void checkBody(std::span<const std::uint8_t> data) {
    const gm::macros::BodyScan scan = gm::macros::scanBody(data);
    require(scan.length <= std::min<std::size_t>(data.size(), 256));
    const gm::macros::StoredBody stored = gm::macros::storedBody(data);
    require(!stored.terminated() || stored.body[stored.length - 1] == 0x00);
    for (const gm::macros::MacroEvent& event : gm::macros::eventsOf(data))
        require(!gm::macros::describeEvent(event).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    checkArea(bytes);
    checkBody(bytes);
    const gm::image::PcMacroStore store = gm::macros::storeOfBytes(bytes);
    require(gm::macros::listedRecords(store).size() <= gm::image::kPcMacroRecords);
    gm::image::MacroName name{};
    std::copy_n(bytes.begin(), std::min(size, name.size()), name.begin());
    const std::string text = gm::macros::decodeMacroName(name);
    // A decoded name encodes to at most 8 code units and decodes to itself.
    require(gm::macros::decodeMacroName(gm::macros::encodeMacroName(text)) == text);
    return 0;
}
