// The editor's script: a body read as a script and written back, recording with its delays
// and capacity, deleting pairs, and the readable lines of `macro edit`.
#include "macros/macro_script.h"

#include <gtest/gtest.h>

#include "macros/event_lines.h"
#include "macros/macro_recorder.h"
#include "macros/playback_option.h"
#include "macros/script_edits.h"

namespace gm::macros {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = MacroEvent::Kind;
using Take = MacroRecorder::Take;
constexpr std::uint8_t kA = 0x04, kB = 0x05, kLeftShift = 0xE1;

Bytes bytesOf(const MacroScript& script) {
    const EncodedBody encoded = bodyOfScript(script);
    return Bytes(encoded.body.begin(), encoded.body.begin() + encoded.length);
}

device::Micros ms(long long value) {
    return device::Micros{value * 1000};
}

std::vector<std::string> texts(const MacroScript& script) {
    std::vector<std::string> lines;
    for (const MacroEvent& event : script.events)
        lines.push_back(describeEvent(event));
    return lines;
}

TEST(MacroScript, ReadsTheDelayModeFromTheFirstFourDelays) {
    const struct {
        Bytes body;
        DelayMode mode;
        int fixed;
    } cases[] = {
        {{0x82, kA, 0xFE, 0,    40, 0x02, kA, 0xFE, 0,    40, 0x82, kB,
          0xFE, 0,  40,   0x02, kB, 0xFE, 0,  40,   0xFE, 0,  99,   0},
         DelayMode::Fixed,
         40},
        {{0x82, kA,   0xFE, 0,  40,   0x02, kA,   0xFE, 0,  41, 0x82,
          kB,   0xFE, 0,    40, 0x02, kB,   0xFE, 0,    40, 0},
         DelayMode::Recorded,
         1},
        {{0xFE, 0, 40, 0xFE, 0, 40, 0xFE, 0, 40, 0}, DelayMode::Recorded, 1},  // only three
        {{0x82, kA, 0xFE, 0, 0, 0x02, kA, 0}, DelayMode::None, 1},
        {{0xA1, 0x21, 0}, DelayMode::None, 1},
    };
    for (const auto& c : cases) {
        const MacroScript script = scriptOfBody(c.body);
        EXPECT_EQ(script.delayMode, c.mode);
        EXPECT_EQ(script.fixedDelay, c.fixed);
        EXPECT_EQ(bytesOf(script), c.body);  // and it writes back as it was
    }
}

TEST(MacroScript, TheWholeBodyWrapperIsThePlaybackOptionAndOtherMarkersStayWhereTheyAre) {
    const MacroScript untilReleased = scriptOfBody(Bytes{0xFD, 0xFF, 0xA1, 0x21, 0xFC, 0});
    EXPECT_EQ(untilReleased.playback, kUntilReleased);
    EXPECT_EQ(texts(untilReleased), (std::vector<std::string>{"left down", "left up"}));
    EXPECT_EQ(scriptOfBody(Bytes{0xFD, 0x05, 0xA1, 0xFC, 0}).playback, 5);

    // Markers inserted by hand: a repeat of the second key only, and a wrapper-shaped pair
    // that holds another repeat. Both read as events and write back byte for byte.
    const Bytes inner{0x82, kA, 0x02, kA, 0xFD, 0x03, 0x82, kB, 0x02, kB, 0xFC, 0};
    const Bytes nested{0xFD, 0x02, 0xA1, 0xFC, 0xFD, 0x04, 0x21, 0xFC, 0};
    for (const Bytes& body : {inner, nested}) {
        const MacroScript script = scriptOfBody(body);
        EXPECT_FALSE(script.playback);
        EXPECT_EQ(bytesOf(script), body);
    }
    EXPECT_EQ(texts(scriptOfBody(inner))[2], "repeat 3");

    MacroScript cycles = scriptOfBody(Bytes{0x82, kA, 0x02, kA, 0});
    cycles.playback = 7;
    EXPECT_EQ(bytesOf(cycles), (Bytes{0xFD, 7, 0x82, kA, 0x02, kA, 0xFC, 0}));
    // A repeat start among the events replaces the wrapper.
    ASSERT_TRUE(insertEvent(cycles, 0, Side::Before, {Kind::RepeatStart, false, 2}));
    EXPECT_EQ(bytesOf(cycles), (Bytes{0xFD, 2, 0x82, kA, 0x02, kA, 0}));
}

TEST(MacroRecorder, RecordsOnePressPerHeldKeyWithTheRealDelaysCappedAt65535) {
    MacroScript script;
    MacroRecorder recorder(script, 0, DelayMode::Recorded, 1);
    EXPECT_EQ(recorder.key(kLeftShift, true, ms(1000)), Take::Recorded);
    EXPECT_EQ(recorder.key(kA, true, ms(1100)), Take::Recorded);
    EXPECT_EQ(recorder.key(kA, true, ms(1130)), Take::Ignored);  // auto-repeat
    EXPECT_EQ(recorder.key(kA, true, ms(1160)), Take::Ignored);
    EXPECT_EQ(recorder.key(kB, true, ms(1200)), Take::Recorded);  // a second key while A held
    EXPECT_EQ(recorder.key(kA, false, ms(1250)), Take::Recorded);
    EXPECT_EQ(recorder.key(kB, false, ms(100000)), Take::Recorded);
    EXPECT_EQ(recorder.key(kLeftShift, false, ms(100001)), Take::Recorded);
    EXPECT_EQ(recorder.key(kB, false, ms(100002)), Take::Ignored);   // not held
    EXPECT_EQ(recorder.key(0x03, true, ms(100003)), Take::Ignored);  // no name
    EXPECT_EQ(recorder.button(0x10, true, ms(100004)), Take::Recorded);
    EXPECT_EQ(texts(script),
              (std::vector<std::string>{"Shift down", "100 ms", "A down", "100 ms", "B down",
                                        "50 ms", "A up", "65535 ms", "B up", "1 ms", "Shift up",
                                        "3 ms", "backward down"}));
    recorder.finish();  // the held button gets its release
    EXPECT_EQ(texts(script).back(), "backward up");
    EXPECT_EQ(bytesOf(script).size(), scriptBytes(script));
}

TEST(MacroRecorder, FixedAndNoDelayModesAndInsertingInsideAScript) {
    MacroScript script = scriptOfBody(Bytes{0xA1, 0x21, 0});
    MacroRecorder fixed(script, 1, DelayMode::Fixed, 25);  // between left down and left up
    fixed.key(kA, true, ms(0));
    fixed.key(kA, false, ms(900));
    EXPECT_EQ(texts(script),
              (std::vector<std::string>{"left down", "A down", "25 ms", "A up", "left up"}));
    EXPECT_EQ(fixed.position(), 4u);

    MacroScript none;
    MacroRecorder plain(none, 0, DelayMode::None, 25);
    plain.key(kA, true, ms(0));
    plain.key(kA, false, ms(900));
    EXPECT_EQ(bytesOf(none), (Bytes{0x82, kA, 0x02, kA, 0}));
}

TEST(MacroRecorder, TheCapacityEndsTheRecordingKeepingWhatWasTakenAndRoomForReleases) {
    for (const DelayMode mode : {DelayMode::None, DelayMode::Recorded}) {
        MacroScript script;
        MacroRecorder recorder(script, 0, mode, 1);
        Take take = Take::Recorded;
        long long at = 0;
        std::size_t presses = 0;
        while (take == Take::Recorded) {
            take = recorder.key(kA, true, ms(at += 5));
            if (take != Take::Recorded)
                break;
            ++presses;
            take = recorder.key(kA, false, ms(at += 5));
        }
        EXPECT_EQ(take, Take::Full);
        const std::size_t kept = script.events.size();
        EXPECT_GT(presses, 20u);
        recorder.finish();
        EXPECT_EQ(script.events.size(), kept);  // every press had its release
        // The body with any playback option still fits.
        script.playback = kUntilReleased;
        EXPECT_TRUE(bodyOfScript(script).fits);
        EXPECT_LE(scriptBytes(script), image::kMacroBodySize);
    }

    // Keys held when it fills up get their releases at the end, within the body.
    MacroScript held;
    MacroRecorder recorder(held, 0, DelayMode::Recorded, 1);
    std::uint8_t usage = kA;
    while (recorder.key(usage, true, ms(usage)) == Take::Recorded)
        usage = usage == 0x1D ? kA : usage + 1;  // A..Z, all held
    recorder.finish();
    const MacroScript reread = scriptOfBody(bodyOfScript(held).body);
    std::size_t downs = 0, ups = 0;
    for (const MacroEvent& event : reread.events)
        (event.down ? downs : ups) += event.kind == Kind::Key ? 1 : 0;
    EXPECT_EQ(downs, ups);
}

TEST(ScriptEdits, DeletingAPressTakesItsReleaseAndAnUnpairedHalfIsAContentError) {
    MacroScript script =
        scriptOfBody(Bytes{0x82, kA, 0xFE, 0, 9, 0x82, kB, 0x02, kA, 0x02, kB, 0x82, kA, 0xA1, 0});
    EXPECT_EQ(eventsToDelete(script, 0), (std::vector<std::size_t>{0, 3}));
    EXPECT_EQ(eventsToDelete(script, 4), (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(eventsToDelete(script, 1), (std::vector<std::size_t>{1}));
    const MacroScript before = script;
    EXPECT_FALSE(deleteEvent(script, 5));  // the last A down has no release
    EXPECT_FALSE(deleteEvent(script, 6));  // nor the left press
    EXPECT_FALSE(deleteEvent(script, 7));
    EXPECT_EQ(script, before);
    ASSERT_TRUE(deleteEvent(script, 0));
    EXPECT_EQ(bytesOf(script), (Bytes{0xFE, 0, 9, 0x82, kB, 0x02, kB, 0x82, kA, 0xA1, 0}));

    MacroScript full = scriptOfBody(Bytes(255, 0xA1));  // 255 bytes and no terminator yet
    full.events.resize(255);
    EXPECT_FALSE(insertEvent(full, 0, Side::After, {Kind::Delay, false, 5}));
    EXPECT_EQ(full.events.size(), 255u);
}

TEST(EventLines, ReadBackWhatShowPrintsByteForByte) {
    const Bytes body{0xFD, 0xFF, 0x82, kA,   0xFE, 0x01, 0x2C, 0x02, kA,   0x81, 0x03,
                     0x01, 0x80, 0x04, 0xFB, 0x7F, 0xA1, 0x21, 0xB0, 0x30, 0xA8, 0xFD,
                     0x03, 0x82, 0xE7, 0x82, 0xE3, 0x82, 0x87, 0xFC, 0x28, 0xFC, 0x00};
    const std::string lines = eventLines(body);
    const ReadLines read = readEventLines(lines);
    ASSERT_TRUE(read.ok()) << lines;
    EXPECT_EQ(Bytes(read.body.body.begin(), read.body.body.begin() + read.body.length), body);
    EXPECT_NE(lines.find("key 0xE7 down"), std::string::npos);  // "Win" names two keys

    const ReadLines written = readEventLines(
        "# reload\n  Ctrl down\r\nR click\n\n50 ms\nmove -5 3\nrepeat 2\nleft click\nrepeat end\n"
        "Ctrl up\nuntil released\nkey 0x2A down\nend repeat\n");
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(Bytes(written.body.body.begin(), written.body.body.begin() + written.body.length),
              (Bytes{0x81, 0x01, 0x82, 0x15, 0x02, 0x15, 0xFE, 0,    50,   0x04, 0xFB, 0x03, 0xFD,
                     2,    0xA1, 0x21, 0xFC, 0x01, 0x01, 0xFD, 0xFF, 0x82, 0x2A, 0xFC, 0}));

    for (const char* bad : {"A sideways", "70000 ms", "move 1", "repeat 255", "Hyper down"}) {
        const ReadLines refused = readEventLines(std::string("A down\n\n") + bad + "\nA up\n");
        EXPECT_EQ(refused.badLine, 3u) << bad;
        EXPECT_EQ(refused.badText, bad);
    }
    std::string tooMany;
    for (int i = 0; i < 86; ++i)
        tooMany += "left click\n300 ms\n";  // 86 x 5 bytes
    EXPECT_FALSE(readEventLines(tooMany).ok());
    EXPECT_FALSE(readEventLines(tooMany).body.fits);
}

}  // namespace
}  // namespace gm::macros
