// The Macro area without a mouse: parsing, rebuilding with the page filler, and bodies that
// are empty, cut by an unknown opcode or never end.
#include "macros/macro_area.h"

#include <gtest/gtest.h>

#include <random>

#include "macro_rig.h"
#include "macros/body_scan.h"

namespace gm::macros {
namespace {

using testing::areaOf;
using testing::bodyOfLength;
using testing::Bytes;

Bytes bodyBytes(const image::DeviceMacroSlot& slot) {
    return Bytes(slot.body.begin(), slot.body.begin() + (slot.length - 16));
}

TEST(MacroAreaParse, EmptyMarkersGiveNoMacrosAndOnlyTheFirstAddress) {
    MacroArea area{};
    for (const Bytes& start : {Bytes{0x00, 0x00}, Bytes{0xFF, 0x41}, Bytes{0x41, 0xFF}}) {
        area[0] = start[0];
        area[1] = start[1];
        area[2] = 0x41;  // more bytes behind the marker change nothing
        const image::DeviceMacroTables tables = parseMacroArea(area);
        EXPECT_EQ(deviceMacroCount(tables), 0u);
        EXPECT_EQ(tables.entries[0].address, 0x200);
        for (std::size_t i = 1; i < tables.entries.size(); ++i)
            EXPECT_EQ(tables.entries[i].address, 0) << i;
        EXPECT_EQ(tables.total, 0);
    }
}

TEST(MacroAreaParse, EntriesGiveLengthsAddressesAndTotal) {
    const MacroArea area = areaOf({{"Reload", {0x00}},
                                   {"Jump", {0x82, 0x2C, 0xFE, 0x00, 0x32, 0x02, 0x2C, 0x00}},
                                   {"Click", {0xA1, 0x21, 0x00}}});
    const image::DeviceMacroTables tables = parseMacroArea(area);
    ASSERT_EQ(deviceMacroCount(tables), 3u);
    EXPECT_EQ(decodeMacroName(tables.entries[1].name), "Jump");
    EXPECT_EQ(tables.entries[0].length, 17);  // an empty body is just its terminator
    EXPECT_EQ(tables.entries[1].length, 24);
    EXPECT_EQ(tables.entries[2].length, 19);
    EXPECT_EQ(tables.entries[0].address, 0x200);
    EXPECT_EQ(tables.entries[1].address, 0x200 + 17);
    EXPECT_EQ(tables.entries[2].address, 0x200 + 17 + 24);
    EXPECT_EQ(tables.total, 60);
    EXPECT_EQ(bodyBytes(tables.entries[2]), (Bytes{0xA1, 0x21, 0x00}));
    // A marker after the last entry ends the list; rebuilding gives the same bytes.
    const RebuiltArea rebuilt = rebuildMacroArea(tables);
    EXPECT_EQ(rebuilt.area, area);
    EXPECT_EQ(rebuilt.total, 60u);
}

TEST(MacroAreaParse, AnUnknownOpcodeCutsTheBodyAndABodyWithoutEndIsABareName) {
    {
        const image::DeviceMacroTables tables =
            parseMacroArea(areaOf({{"Bad", {0xA1, 0x77, 0xA1, 0x00}}}));
        EXPECT_EQ(tables.entries[0].length, 18);
        EXPECT_EQ(bodyBytes(tables.entries[0]), (Bytes{0xA1, 0x00}));
    }
    {
        // 256 clicks: no terminator within the 256 bytes scanned.
        MacroArea area = areaOf({{"Long", Bytes(256, 0xA1)}});
        const image::DeviceMacroTables tables = parseMacroArea(area);
        EXPECT_EQ(tables.entries[0].length, 16);
        EXPECT_EQ(tables.entries[0].body, image::MacroBody{});
    }
    {
        // A delay whose operands would lie past the area's end.
        MacroArea area{};
        area.fill(0xA1);
        area[510] = 0xFE;
        const image::DeviceMacroTables tables = parseMacroArea(area);
        for (const auto& slot : tables.entries)
            EXPECT_TRUE(slot.empty() || slot.length >= 16);
    }
}

// A body of clicks that puts the item `item` at area offset `offset` (one entry from 0).
Bytes bodyWithItemAt(std::size_t offset, const Bytes& item) {
    Bytes body(offset - 16, 0xA1);
    body.insert(body.end(), item.begin(), item.end());
    body.push_back(0x00);
    return body;
}

TEST(MacroAreaRebuild, AMultiByteItemAtOffset255MovesBehindTheFiller) {
    for (const Bytes& item :
         {Bytes{0x81, 0x01}, Bytes{0x01, 0x01}, Bytes{0x82, 0x04}, Bytes{0x02, 0x04},
          Bytes{0xFE, 0x01, 0x00}, Bytes{0x04, 0x05, 0xFB}, Bytes{0xFD, 0x03}}) {
        const Bytes body = bodyWithItemAt(255, item);
        const MacroArea plain = areaOf({{"Pass", body}, {"Next", {0x00}}});
        const RebuiltArea rebuilt = rebuildMacroArea(parseMacroArea(plain));
        EXPECT_EQ(rebuilt.area[255], 0xFC) << int{item[0]};
        EXPECT_TRUE(std::equal(item.begin(), item.end(), rebuilt.area.begin() + 256));
        EXPECT_EQ(rebuilt.total, 16 + body.size() + 1 + 17);
        // Read again, the entry is one byte longer, and the next macro starts one byte later.
        const image::DeviceMacroTables again = parseMacroArea(rebuilt.area);
        EXPECT_EQ(again.entries[0].length, 16 + body.size() + 1);
        EXPECT_EQ(again.entries[1].address, 0x200 + 16 + body.size() + 1);
        EXPECT_EQ(decodeMacroName(again.entries[1].name), "Next");
        // The filler is now part of the body: rebuilding again adds nothing.
        EXPECT_EQ(rebuildMacroArea(again).area, rebuilt.area);
    }
}

TEST(MacroAreaRebuild, ADelayAt254AndAOneByteItemAt255StayWhereTheyAre) {
    for (const auto& [offset, item] : {std::pair{std::size_t{254}, Bytes{0xFE, 0x00, 0x32}},
                                       std::pair{std::size_t{255}, Bytes{0xA1}}}) {
        const MacroArea plain = areaOf({{"Stay", bodyWithItemAt(offset, item)}});
        EXPECT_EQ(rebuildMacroArea(parseMacroArea(plain)).area, plain) << offset;
    }
}

TEST(MacroAreaRebuild, MoreThan512BytesDoNotFitAndNothingIsWrittenPastTheArea) {
    image::DeviceMacroTables tables;
    for (std::size_t i = 0; i < 2; ++i) {
        const Bytes body = bodyOfLength(256);
        tables.entries[i].name = encodeMacroName("M" + std::to_string(i));
        std::copy(body.begin(), body.end(), tables.entries[i].body.begin());
        tables.entries[i].length = 16 + 256;
    }
    const RebuiltArea rebuilt = rebuildMacroArea(tables);
    EXPECT_FALSE(rebuilt.fits());
    EXPECT_GT(rebuilt.total, 512u);
}

// Random areas (and random areas behind a few plausible entries): parsing always ends, every
// entry lies inside the area, and the rebuilt area holds what was parsed.
TEST(MacroAreaParse, RandomAreasParseWithinBounds) {
    std::mt19937 random(0x4210A);
    for (int round = 0; round < 3000; ++round) {
        MacroArea area{};
        for (auto& byte : area)
            byte = static_cast<std::uint8_t>(random());
        if (round % 2 == 0)
            area = areaOf({{"A", bodyOfLength(1 + random() % 200)}, {"B", {0xA1, 0x00}}});
        for (int flips = 0; flips < 1 + round % 8; ++flips)
            area[random() % area.size()] = static_cast<std::uint8_t>(random());
        const image::DeviceMacroTables tables = parseMacroArea(area);
        EXPECT_LE(tables.total, 512);
        const RebuiltArea rebuilt = rebuildMacroArea(tables);
        EXPECT_LE(rebuilt.total, static_cast<std::size_t>(tables.total) + 1);
        // Without a filler or a body that never ended, the rebuilt area reads as the same tables.
        const bool bare = std::any_of(tables.entries.begin(), tables.entries.end(),
                                      [](const auto& slot) { return slot.length == 16; });
        if (!bare && rebuilt.total == static_cast<std::size_t>(tables.total)) {
            EXPECT_EQ(parseMacroArea(rebuilt.area), tables) << "round " << round;
        }
    }
}

TEST(BodyScan, StopsAtTheTerminatorAnUnknownOpcodeOrTheEndOfWhatItWasGiven) {
    EXPECT_EQ(scanBody(Bytes{0x00}).length, 1u);
    EXPECT_EQ(scanBody(Bytes{0xFE, 0x00, 0x00, 0x00}).length, 4u);  // a zero delay is no end
    const BodyScan cut = scanBody(Bytes{0x82, 0x04, 0x99, 0x00});
    EXPECT_TRUE(cut.cut);
    EXPECT_EQ(cut.length, 3u);
    EXPECT_FALSE(scanBody(Bytes{0xA1, 0xFE, 0x00}).terminated());  // the delay runs past the end
    EXPECT_FALSE(scanBody(Bytes{}).terminated());
    Bytes full(255, 0xA1);
    full.push_back(0x00);
    EXPECT_EQ(scanBody(full).length, 256u);
    full.insert(full.begin(), 0xA1);
    EXPECT_FALSE(scanBody(full).terminated());  // the terminator is the 257th byte
}

}  // namespace
}  // namespace gm::macros
