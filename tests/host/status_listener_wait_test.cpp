// The status listener waits without a timeout, and only what it waits for ends the wait: a
// status report, the link closing, or stop(). The same cases on the virtual bus and on the
// hidraw backend, whose node is one end of a packet socket pair reached through the real poll
// and read calls.
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>

#include "device/clock.h"
#include "device/link/protocol.h"
#include "device/link/transport.h"
#include "device/session/changes.h"
#include "device/session/status_listener.h"
#include "device/sim/report_descriptors.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "fake_hidraw_tree.h"
#include "host/hidraw/hidraw_backend.h"

namespace gm::host {
namespace {

using namespace std::chrono_literals;

// Real time, waited out only when a test fails.
constexpr auto kBound = 2s;

// Passes a backend on, and counts its handles that are open and those waiting in readInput().
class WatchedBackend final : public hid::Backend {
public:
    explicit WatchedBackend(hid::Backend& inner) : inner_(inner) {}

    std::vector<hid::InterfaceInfo> enumerate() override { return inner_.enumerate(); }
    int countPresent() override { return inner_.countPresent(); }
    hid::OpenResult open(const std::string& path) override {
        hid::OpenResult opened = inner_.open(path);
        if (opened.device)
            opened.device = std::make_shared<Handle>(*this, std::move(opened.device));
        return opened;
    }

    // True once `open` handles are open and `reading` of them wait for a report.
    bool reach(int open, int reading) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kBound,
                                 [&] { return open_ == open && reading_ == reading; });
    }
    std::chrono::milliseconds lastTimeout() {
        std::lock_guard lock(mutex_);
        return lastTimeout_;
    }

private:
    class Handle final : public hid::Device {
    public:
        Handle(WatchedBackend& watch, std::shared_ptr<hid::Device> inner)
            : watch_(watch), inner_(std::move(inner)) {
            watch_.count(watch_.open_, 1);
        }
        ~Handle() override { watch_.count(watch_.open_, -1); }

        hid::TransferResult setFeature(std::span<const std::uint8_t> report) override {
            return inner_->setFeature(report);
        }
        hid::TransferResult getFeature(std::span<std::uint8_t> report) override {
            return inner_->getFeature(report);
        }
        hid::ReadResult readInput(std::span<std::uint8_t> buffer,
                                  std::chrono::milliseconds timeout) override {
            watch_.count(watch_.reading_, 1, timeout);
            const hid::ReadResult read = inner_->readInput(buffer, timeout);
            watch_.count(watch_.reading_, -1);
            return read;
        }
        void interruptRead() override { inner_->interruptRead(); }

    private:
        WatchedBackend& watch_;
        std::shared_ptr<hid::Device> inner_;
    };

    void count(int& counter, int by, std::chrono::milliseconds timeout = {}) {
        {
            std::lock_guard lock(mutex_);
            counter += by;
            if (by > 0 && &counter == &reading_)
                lastTimeout_ = timeout;
        }
        changed_.notify_all();
    }

    hid::Backend& inner_;
    std::mutex mutex_;
    std::condition_variable changed_;
    int open_ = 0;
    int reading_ = 0;
    std::chrono::milliseconds lastTimeout_{};
};

// The mouse's side: a backend with the mouse on it, and its CPI button.
class MouseSide {
public:
    virtual ~MouseSide() = default;
    virtual hid::Backend& backend() = 0;
    // Sends the status report of a CPI press.
    virtual void pressCpi() = 0;
};

class VirtualSide final : public MouseSide {
public:
    VirtualSide() { bus_.attach(mouse_); }
    hid::Backend& backend() override { return bus_; }
    void pressCpi() override { mouse_.press(device::StatusButton::Cpi); }

private:
    device::ManualClock clock_;
    sim::VirtualBus bus_;
    sim::VirtualMouse mouse_{clock_, image::ChipType::Chip4210A};
};

// One node of the mouse in a fake sysfs tree; opening it gives a duplicate of one end of the
// socket pair, on which the feature ioctls fail, so the link has only its status channel.
class HidrawSide final : public MouseSide {
public:
    HidrawSide() {
        int ends[2] = {-1, -1};
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK, 0, ends), 0);
        node_ = ends[0];
        peer_ = ends[1];
        tree_.addNode(0, "virtual/0003:7A3E:08B8.0000", "HID_ID=0003:00007A3E:000008B8\n",
                      sim::singleInterfaceReportDescriptor());
        HidrawSystemCalls calls = HidrawSystemCalls::real();
        calls.open = [this](const char*, int) { return ::dup(node_); };
        backend_ = std::make_unique<HidrawBackend>(tree_.classDir(), tree_.devDir(), calls);
    }
    ~HidrawSide() override {
        ::close(node_);
        ::close(peer_);
    }
    hid::Backend& backend() override { return *backend_; }
    void pressCpi() override {
        const std::array<std::uint8_t, 4> report{0x42, 0, 0, 0x08};
        EXPECT_EQ(::write(peer_, report.data(), report.size()), 4);
    }

private:
    testing::FakeHidrawTree tree_;
    int node_ = -1;
    int peer_ = -1;
    std::unique_ptr<HidrawBackend> backend_;
};

enum class Side { Virtual, Hidraw };

class ListenerWait : public ::testing::TestWithParam<Side> {
protected:
    void SetUp() override {
        hub.setWakeUp([this] {
            {
                std::lock_guard lock(mutex);
                posted = true;
            }
            woken.notify_all();
        });
        ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
        listener.start();
        ASSERT_TRUE(watched.reach(1, 1));
        EXPECT_EQ(watched.lastTimeout(), hid::kWaitForever);
    }

    void TearDown() override { EXPECT_TRUE(stopsSoon()); }

    // True when `done` turned true within the bound; else a CPI press frees a listener that
    // is still waiting, so the test ends.
    bool soon(bool done) {
        if (!done)
            side->pressCpi();
        return done;
    }
    bool stopsSoon() {
        auto stopped = std::async(std::launch::async, [this] { listener.stop(); });
        return soon(stopped.wait_for(kBound) == std::future_status::ready);
    }
    bool postedSoon() {
        std::unique_lock lock(mutex);
        return woken.wait_for(lock, kBound, [this] { return posted; });
    }

    std::unique_ptr<MouseSide> side = GetParam() == Side::Virtual
                                          ? std::unique_ptr<MouseSide>(new VirtualSide)
                                          : std::unique_ptr<MouseSide>(new HidrawSide);
    WatchedBackend watched{side->backend()};
    device::ManualClock clock;
    const device::Timing timing = device::Timing::instant();
    device::Presenter presenter;
    device::OperationGuard guard;
    device::Transport transport{watched, clock, timing};
    device::CommandProtocol protocol{transport, guard, clock, timing, presenter};
    device::session::ChangeHub hub{guard};
    std::mutex mutex;
    std::condition_variable woken;
    bool posted = false;
    device::session::StatusListener listener{transport, protocol, clock, timing, hub};
};

TEST_P(ListenerWait, StopEndsTheWaitAtOnce) {
    EXPECT_TRUE(stopsSoon());
    EXPECT_FALSE(listener.running());
    EXPECT_TRUE(hub.takePosted().empty()) << "no report came";
}

TEST_P(ListenerWait, AReportEndsTheWaitAndTheListenerWaitsAgain) {
    side->pressCpi();
    ASSERT_TRUE(postedSoon());
    const auto changes = hub.takePosted();
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes[0].kind, device::session::ChangeKind::StatusIndicator);
    EXPECT_EQ(changes[0].text, "on");
    EXPECT_TRUE(watched.reach(1, 1));
}

// A new search replaces the link, and closing it drops it: either way the wait on the old
// handle ends, and the listener lets go of it (the hidraw node is closed).
TEST_P(ListenerWait, ClosingTheLinkEndsTheWaitOnItsHandle) {
    ASSERT_TRUE(transport.openMouse(0x7A3E, 0x08B8).found);
    listener.deviceOpened();
    EXPECT_TRUE(soon(watched.reach(1, 1))) << "the old handle was let go, the new one is read";
    transport.invalidate();
    EXPECT_TRUE(soon(watched.reach(0, 0))) << "no handle is held";
}

INSTANTIATE_TEST_SUITE_P(Backends, ListenerWait, ::testing::Values(Side::Virtual, Side::Hidraw),
                         [](const auto& param) {
                             return param.param == Side::Virtual ? "VirtualBus" : "Hidraw";
                         });

}  // namespace
}  // namespace gm::host
