// One operation at a time: an operation started while another runs (from the driver's progress
// or event pump, or from another thread) is refused as busy and sends nothing, and the running
// transfer goes on unharmed. Also the operation guard on its own.

#include <algorithm>
#include <array>
#include <atomic>
#include <future>
#include <numeric>
#include <optional>
#include <thread>

#include "protocol_test_fixture.h"

namespace gm::device::test {
namespace {

// Records every report the transport sends or receives, as trace lines.
struct WireTrace {
    explicit WireTrace(Transport& transport) {
        transport.setTrace([this](ReportKind kind, std::span<const std::uint8_t> bytes) {
            lines.push_back(formatTraceLine(kind, bytes));
        });
    }
    std::vector<std::string> lines;
};

Bytes countingBytes(std::size_t n, std::uint8_t first) {
    Bytes bytes(n);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

using OperationReentry = ProtocolTest;

// A click handled while the progress window updates must not put a read command between the
// data reports of a block write: the mouse would take the rest of the write as garbage, and the
// read would overwrite the write's staging bytes.
TEST_F(OperationReentry, ReadStartedFromTheProgressOfABlockWriteIsBusyAndTheWriteCompletes) {
    const Bytes source = countingBytes(70, 0x20);
    WireTrace trace(transport);
    std::optional<Result> inner;
    std::size_t tracedDuringInner = 0;
    std::array<std::uint8_t, 4> user{};
    presenter.onShow = [&](int chunk, int) {
        if (chunk != 5)
            return;
        const std::size_t before = trace.lines.size();
        inner = protocol.liveRead(0, 164, user);
        tracedDuringInner = trace.lines.size() - before;
    };

    const Result outer = protocol.writeBlock(0x200, source);

    ASSERT_TRUE(inner.has_value()) << "the progress window was never shown at chunk 5";
    EXPECT_EQ(inner->failure, Failure::Busy);
    EXPECT_EQ(tracedDuringInner, 0u) << "a refused operation sends nothing";
    EXPECT_TRUE(outer.ok());
    EXPECT_EQ(outer.reports, 10);
    ASSERT_EQ(trace.lines.size(), 11u);
    EXPECT_EQ(trace.lines.front(), "set-feature 40 07 02 00 00 46 00 00");
    EXPECT_TRUE(std::all_of(trace.lines.begin() + 1, trace.lines.end(), [](const std::string& l) {
        return l.starts_with("set-feature 41 ");
    })) << "no stray command report between the data reports";
    const image::Image eeprom = mouse.eeprom();
    EXPECT_TRUE(std::equal(source.begin(), source.end(), eeprom.begin() + 0x200));
}

class ReentryDuringPacing : public ProtocolTest {
protected:
    ReentryDuringPacing() : ProtocolTest(pacedLiveWrites()) {}

    static Timing pacedLiveWrites() {
        Timing paced = Timing::instant();
        paced.afterLiveWrite = Micros{100'000};
        paced.pumpStep = Micros{25'000};
        return paced;
    }
};

// The event pump of the pause after a live write runs the driver's event loop; a timer tick or
// click there must not start a transfer either, up to and including the pump after the hide.
TEST_F(ReentryDuringPacing, ReadStartedFromTheEventPumpOfALiveWriteIsBusy) {
    WireTrace trace(transport);
    std::vector<Result> inner;
    std::size_t tracedDuringInner = 0;
    std::array<std::uint8_t, 2> destination{};
    presenter.onPump = [&] {
        const std::size_t before = trace.lines.size();
        inner.push_back(protocol.liveRead(0, 0x10, destination));
        tracedDuringInner += trace.lines.size() - before;
    };

    const Result outer = protocol.liveWrite(0x2C, 0x11, 0x22, 0x33, 3);

    EXPECT_TRUE(outer.ok());
    EXPECT_EQ(clock.totalSlept(), timing.afterLiveWrite);
    // Four pumps during the wait, one after hiding the window.
    ASSERT_EQ(inner.size(), 5u);
    EXPECT_TRUE(
        std::ranges::all_of(inner, [](const Result& r) { return r.failure == Failure::Busy; }));
    EXPECT_EQ(tracedDuringInner, 0u);
    EXPECT_EQ(trace.lines, (std::vector<std::string>{"set-feature 40 05 00 2C 11 22 33 03"}));
    EXPECT_EQ(mouse.eeprom()[0x2E], 0x33);

    presenter.onPump = nullptr;
    EXPECT_TRUE(protocol.liveRead(0, 0x2C, destination)) << "the guard is free again afterwards";
    EXPECT_EQ(destination, (std::array<std::uint8_t, 2>{0x11, 0x22}));
}

// A background thread (say, a status refresh) must not cut into a transfer running on the
// driver's thread. The transfer is held inside its progress call until the other thread tried.
TEST_F(OperationReentry, OperationFromAnotherThreadIsBusyWhileOneRuns) {
    mouse.loadEeprom(patternedImage());
    mouse.setXdata(0x7241, 0x00);
    std::promise<void> entered;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    presenter.onShow = [&](int chunk, int) {
        if (chunk != 1)
            return;
        entered.set_value();
        released.wait();
    };
    std::array<std::uint8_t, 21> read{};
    std::optional<Result> outer;
    std::thread driver([&] { outer = protocol.readBlock(0x100, read, Progress::Shown); });

    entered.get_future().wait();
    const std::size_t before = mouse.reports().size();
    const Result other = protocol.xdataWrite(0x7241, 0x01);
    const std::size_t sentByOther = mouse.reports().size() - before;
    release.set_value();
    driver.join();

    EXPECT_EQ(other.failure, Failure::Busy);
    EXPECT_EQ(sentByOther, 0u);
    EXPECT_NE(mouse.xdata(0x7241), 0x01);
    ASSERT_TRUE(outer.has_value());
    EXPECT_TRUE(outer->ok());
    const image::Image eeprom = mouse.eeprom();
    EXPECT_TRUE(std::equal(read.begin(), read.end(), eeprom.begin() + 0x100));
    EXPECT_EQ(commands().size(), 1u);
}

TEST(OperationGuard, NestedEntryOnTheSameThreadJoinsTheRunningOperation) {
    OperationGuard guard;
    std::vector<bool> busyChanges;
    guard.setBusyListener([&](bool busy) { busyChanges.push_back(busy); });
    {
        const auto outer = guard.tryEnter();
        ASSERT_TRUE(outer.has_value());
        {
            const auto inner = guard.tryEnter();
            EXPECT_TRUE(inner.has_value()) << "a composite operation calls its own steps";
        }
        EXPECT_TRUE(guard.busy()) << "leaving a nested step must not end the operation";
    }
    EXPECT_FALSE(guard.busy());
    EXPECT_EQ(busyChanges, (std::vector<bool>{true, false})) << "one operation, one start and end";
}

TEST(OperationGuard, EntryDuringACallOutIsRefused) {
    OperationGuard guard;
    guard.callOut([&] {
        EXPECT_TRUE(guard.tryEnter().has_value()) << "outside an operation nothing is sealed";
    });
    const auto operation = guard.tryEnter();
    ASSERT_TRUE(operation.has_value());
    bool called = false;
    guard.callOut([&] {
        called = true;
        EXPECT_FALSE(guard.tryEnter().has_value());
        guard.callOut([&] { EXPECT_FALSE(guard.tryEnter().has_value()); });
        EXPECT_FALSE(guard.tryEnter().has_value()) << "a nested call out must not unseal";
    });
    EXPECT_TRUE(called);
    EXPECT_TRUE(guard.tryEnter().has_value()) << "the operation's own code may go on";
}

TEST(OperationGuard, EntryFromAnotherThreadIsRefusedWhileHeld) {
    OperationGuard guard;
    auto operation = guard.tryEnter();
    ASSERT_TRUE(operation.has_value());
    bool entered = true;
    std::thread([&] { entered = guard.tryEnter().has_value(); }).join();
    EXPECT_FALSE(entered);
    operation.reset();
    std::thread([&] { entered = guard.tryEnter().has_value(); }).join();
    EXPECT_TRUE(entered);
}

TEST(OperationGuard, EnterWhenFreeWaitsUntilTheHolderLeaves) {
    OperationGuard guard;
    auto holder = guard.tryEnter();
    ASSERT_TRUE(holder.has_value());
    std::atomic<bool> holderLeft{false};
    std::promise<void> waiting;
    bool told = false;
    std::optional<bool> enteredAfterHolderLeft;
    std::thread waiter([&] {
        const auto scope = guard.enterWhenFree([&] {
            if (!std::exchange(told, true))
                waiting.set_value();
            return false;
        });
        enteredAfterHolderLeft = scope.has_value() && holderLeft.load();
    });

    waiting.get_future().wait();  // the waiter found the guard taken
    holderLeft = true;
    holder.reset();
    waiter.join();

    EXPECT_EQ(enteredAfterHolderLeft, std::optional<bool>{true});
    EXPECT_FALSE(guard.busy()) << "the waiter's operation ended with its scope";
}

TEST(OperationGuard, EnterWhenFreeGivesUpWhenCancelled) {
    OperationGuard guard;
    const auto holder = guard.tryEnter();
    ASSERT_TRUE(holder.has_value());
    std::atomic<bool> cancel{false};
    std::promise<void> waiting;
    bool told = false;
    std::optional<bool> entered;
    std::thread waiter([&] {
        const auto scope = guard.enterWhenFree([&] {
            if (!std::exchange(told, true))
                waiting.set_value();
            return cancel.load();
        });
        entered = scope.has_value();
    });

    waiting.get_future().wait();
    cancel = true;
    guard.wakeWaiters();
    waiter.join();

    EXPECT_EQ(entered, std::optional<bool>{false});
    EXPECT_TRUE(guard.busy()) << "the holder still runs its operation";
}

}  // namespace
}  // namespace gm::device::test
