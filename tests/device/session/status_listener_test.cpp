#include "device/session/status_listener.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "image/fields.h"

#include "session_rig.h"

namespace gm::device::session {
namespace {

using testing::ChangeRecorder;
using testing::SessionRig;
using Indicator = ChangeRecorder::Indicator;

std::size_t liveReadsAt(const SessionRig& rig, std::uint8_t address) {
    std::size_t found = 0;
    for (const auto& report : rig.commands(command::kLiveRead)) {
        if (report[3] == address && report[5] == 1)
            ++found;
    }
    return found;
}

TEST(StatusListener, ACpiPressRefreshesTheLevelOnceAfterRelease) {
    SessionRig rig;
    rig.connect();
    rig.session.startListener();
    const std::uint8_t before = rig.mouse.currentLevel();
    rig.mouse.press(StatusButton::CpiUp);
    ASSERT_TRUE(rig.recorder.waitFor([](ChangeRecorder& r) {
        return r.count(ChangeKind::CpiLevel) == 1 && r.indicators().size() == 2;
    }));
    rig.session.stopListener();

    EXPECT_NE(rig.mouse.currentLevel(), before);
    EXPECT_EQ(rig.session.currentLevel(), rig.mouse.currentLevel());
    EXPECT_EQ(rig.recorder.count(ChangeKind::CpiLevel), 1);
    EXPECT_EQ(rig.recorder.count(ChangeKind::Profile), 0);
    EXPECT_EQ(rig.recorder.indicators(),
              (std::vector<Indicator>{{StatusButton::CpiUp, true}, {StatusButton::CpiUp, false}}));
    // Two status reports, each followed by the live reads at 0x16 and 0x18.
    EXPECT_EQ(liveReadsAt(rig, 0x16), 2u);
    EXPECT_EQ(liveReadsAt(rig, 0x18), 2u);
}

TEST(StatusListener, ALevelOrProfileSwitchedOnTheMouseIsTakenIntoTheImage) {
    for (const auto& [button, change] : {std::pair{StatusButton::CpiUp, ChangeKind::CpiLevel},
                                         std::pair{StatusButton::Profile, ChangeKind::Profile}}) {
        SessionRig rig;
        rig.connect();
        rig.session.startListener();
        rig.mouse.press(button);
        ASSERT_TRUE(rig.recorder.waitFor(
            [change = change](ChangeRecorder& r) { return r.count(change) == 1; }));
        rig.session.stopListener();
        // Buffer and working copy hold what the mouse holds, its User check byte included.
        const image::Image eeprom = rig.mouse.eeprom();
        const auto user = std::span(eeprom).subspan(image::kUser.offset, image::kUser.length);
        EXPECT_TRUE(
            std::equal(user.begin(), user.end(), rig.model.buffer.begin() + image::kUser.offset));
        EXPECT_TRUE(std::equal(user.begin(), user.end(), rig.model.copies.user.begin()));
    }
}

TEST(StatusListener, AProfilePressRefreshesTheProfile) {
    SessionRig rig;
    rig.connect();
    rig.session.startListener();
    rig.mouse.press(StatusButton::Profile);
    ASSERT_TRUE(rig.recorder.waitFor([](ChangeRecorder& r) {
        return r.count(ChangeKind::Profile) == 1 && r.indicators().size() == 2;
    }));
    rig.session.stopListener();
    EXPECT_EQ(rig.session.currentProfile(), rig.mouse.currentProfile());
    EXPECT_EQ(rig.recorder.count(ChangeKind::CpiLevel), 0);
}

TEST(StatusListener, HandlesRememberedEventsInButtonOrderOnRelease) {
    SessionRig rig;
    rig.connect();
    rig.timing.statusRefreshDelay = Micros{200'000};
    ChangeHub hub(rig.guard());
    StatusListener listener(rig.transport, rig.protocol, rig.clock, rig.timing, hub);
    const auto refreshes = [&hub] {
        std::vector<ChangeKind> kinds;
        for (const Change& change : hub.takePosted()) {
            if (change.kind != ChangeKind::StatusIndicator)
                kinds.push_back(change.kind);
        }
        return kinds;
    };
    listener.handleReport(std::vector<std::uint8_t>{0x42, 0, 0, 0x08});
    listener.handleReport(std::vector<std::uint8_t>{0x42, 0, 0, 0x04});
    listener.handleReport(std::vector<std::uint8_t>{0x42, 0, 0, 0x01});
    EXPECT_TRUE(refreshes().empty());
    const Micros sleptBefore = rig.clock.totalSlept();
    listener.handleReport(std::vector<std::uint8_t>{0x42, 0, 0, 0x00});
    EXPECT_EQ(refreshes(), (std::vector<ChangeKind>{ChangeKind::CpiLevel, ChangeKind::CpiLevel,
                                                    ChangeKind::Profile}));
    // Each refresh waited the refresh delay, then read one byte.
    EXPECT_EQ(rig.clock.totalSlept() - sleptBefore, Micros{600'000});
    EXPECT_EQ(rig.commands(command::kBlockRead).size(), 3u);

    // A second release has nothing left to refresh.
    listener.handleReport(std::vector<std::uint8_t>{0x42, 0, 0, 0x00});
    EXPECT_TRUE(refreshes().empty());
}

TEST(StatusListener, ProfileBytesThatNameNoProfileLeaveTheCurrentProfile) {
    SessionRig rig;
    rig.connect();
    const auto before = rig.session.currentProfile();
    ASSERT_TRUE(before.has_value());
    image::Image eeprom = rig.mouse.eeprom();
    eeprom[image::fields::kActiveProfile] = 0x13;  // low nibble 3: no profile
    rig.mouse.loadEeprom(eeprom);
    rig.session.startListener();
    rig.mouse.press(StatusButton::Cpi);
    ChangeHub& hub = rig.workspace.changes();
    hub.post({ChangeKind::Profile, 0x13, {}});
    ASSERT_TRUE(
        rig.recorder.waitFor([](ChangeRecorder& r) { return r.count(ChangeKind::CpiLevel) == 1; }));
    EXPECT_EQ(rig.session.currentProfile(), before);
    EXPECT_EQ(rig.recorder.count(ChangeKind::Profile), 0);
}

TEST(StatusListener, NeverTellsObserversFromItsOwnThread) {
    SessionRig rig;
    rig.connect();
    const auto driver = std::this_thread::get_id();
    bool elsewhere = false;
    rig.workspace.changes().subscribe(
        [&](const Change&) { elsewhere = elsewhere || std::this_thread::get_id() != driver; });
    rig.session.startListener();
    rig.mouse.press(StatusButton::Profile);
    ASSERT_TRUE(
        rig.recorder.waitFor([](ChangeRecorder& r) { return r.count(ChangeKind::Profile) == 1; }));
    rig.session.stopListener();
    EXPECT_FALSE(elsewhere);
}

TEST(StatusListener, IgnoresOtherReportsEntirely) {
    SessionRig rig;
    rig.connect();
    ChangeHub hub(rig.guard());
    StatusListener listener(rig.transport, rig.protocol, rig.clock, rig.timing, hub);
    listener.handleReport(std::vector<std::uint8_t>{0x01, 0, 0, 0x01});
    listener.handleReport(std::vector<std::uint8_t>{0x42, 0, 0});
    EXPECT_TRUE(hub.takePosted().empty());
    EXPECT_TRUE(rig.mouse.reports().empty());
}

// Stopping ends the wait at once, the read in progress included.
TEST(StatusListener, ShutdownJoinsPromptly) {
    using namespace std::chrono;
    for (const bool withDevice : {false, true}) {
        SessionRig rig;
        if (withDevice)
            rig.connect();
        rig.session.startListener();
        ASSERT_TRUE(rig.session.listenerRunning());
        if (withDevice) {
            // Once a press has been handled the listener is back in its blocking read.
            rig.mouse.press(StatusButton::Cpi);
            ASSERT_TRUE(rig.recorder.waitFor(
                [](ChangeRecorder& r) { return r.count(ChangeKind::CpiLevel) == 1; }));
        }
        const auto start = steady_clock::now();
        rig.session.stopListener();
        EXPECT_LT(steady_clock::now() - start, milliseconds{1000}) << "device: " << withDevice;
        EXPECT_FALSE(rig.session.listenerRunning());
    }
}

TEST(StatusListener, WakesWhenTheSessionOpensTheMouse) {
    SessionRig rig;
    rig.session.startListener();  // idles: nothing is open yet
    rig.session.poll();
    ASSERT_TRUE(rig.session.hasDevice());
    rig.recorder.clear();  // the level of the image read itself
    rig.mouse.press(StatusButton::Cpi);
    // The release's refresh, which only a woken listener can have read.
    EXPECT_TRUE(rig.recorder.waitFor([](ChangeRecorder& r) {
        return r.count(ChangeKind::CpiLevel) == 1 && r.indicators().size() == 2;
    }));
}

}  // namespace
}  // namespace gm::device::session
