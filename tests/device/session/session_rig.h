#pragma once
// A session on a virtual bus with the virtual mouse, on a manual clock, with a presenter that
// records what the user would have seen.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "device/clock.h"
#include "device/link/protocol.h"
#include "device/link/transport.h"
#include "device/presenter.h"
#include "device/session/session.h"
#include "device/session/workspace.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "device/timing.h"
#include "image/image_model.h"
#include "support/plain_file_writer.h"
#include "support/seen_commands.h"
#include "support/temp_folder.h"

namespace gm::device::session::testing {

// Records what the core showed while an operation ran: progress, messages, and a hook called
// on every pump (where a test plays the driver handling an event).
class RecordingPresenter final : public Presenter {
public:
    void showProgress(int, int) override {
        ++progressShown;
        if (onProgress)
            onProgress();
    }
    void pumpEvents() override {
        if (onPump)
            onPump();
    }
    void showMessage(const Message& message) override { messages.push_back(message); }

    bool saw(const std::string& textOrId) const {
        return std::any_of(messages.begin(), messages.end(), [&](const Message& m) {
            return (!m.textId.empty() && m.textId == textOrId) ||
                   m.text.find(textOrId) != std::string::npos;
        });
    }

    std::vector<Message> messages;
    int progressShown = 0;
    std::function<void()> onPump;
    std::function<void()> onProgress;
};

// Records the workspace's change notifications (on the test's thread, the driver's), and lets
// a test wait, as a driver would, for what the status listener posts.
class ChangeRecorder {
public:
    struct Indicator {
        StatusButton button;
        bool on;
        bool operator==(const Indicator&) const = default;
    };

    explicit ChangeRecorder(Workspace& workspace) : workspace_(workspace) {
        workspace.changes().subscribe([this](const Change& change) { changes.push_back(change); });
        workspace.changes().setWakeUp([this] {
            {
                std::lock_guard lock(mutex_);
                posted_ = true;
            }
            woken_.notify_all();
        });
    }

    int count(ChangeKind kind) const {
        return static_cast<int>(std::count_if(changes.begin(), changes.end(),
                                              [kind](const Change& c) { return c.kind == kind; }));
    }
    std::vector<Indicator> indicators() const {
        std::vector<Indicator> found;
        for (const Change& c : changes) {
            if (c.kind == ChangeKind::StatusIndicator)
                found.push_back({static_cast<StatusButton>(c.value), c.text == "on"});
        }
        return found;
    }
    // Drains what the listener posted until `predicate` holds (real time, generous bound).
    template <typename Predicate>
    bool waitFor(Predicate predicate) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (;;) {
            workspace_.drainPostedChanges();
            if (predicate(*this))
                return true;
            std::unique_lock lock(mutex_);
            if (!woken_.wait_until(lock, deadline, [this] { return posted_; }))
                return false;
            posted_ = false;
        }
    }
    void clear() { changes.clear(); }

    std::vector<Change> changes;

private:
    Workspace& workspace_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool posted_ = false;
};

// A backend that answers countPresent from a script while it lasts, then from the bus: the way
// to make the population look unstable between two counts.
class ScriptedCountBackend final : public hid::Backend {
public:
    explicit ScriptedCountBackend(hid::Backend& inner) : inner_(inner) {}
    std::vector<hid::InterfaceInfo> enumerate() override { return inner_.enumerate(); }
    int countPresent() override {
        if (script.empty())
            return inner_.countPresent();
        const int count = script.front();
        script.pop_front();
        return count;
    }
    hid::OpenResult open(const std::string& path) override { return inner_.open(path); }
    std::deque<int> script;

private:
    hid::Backend& inner_;
};

inline Timing rigTiming() {
    Timing timing = Timing::instant();
    // Free on the manual clock, and longer than the virtual mouse's restart (1 s), so a
    // restarted mouse is back when the session looks for it.
    timing.restartSettle = Micros{5'100'000};
    timing.pumpStep = Micros{100'000};
    return timing;
}

struct SessionRig {
    explicit SessionRig(image::ChipType chip = image::ChipType::Chip4210A) : mouse(clock, chip) {
        bus.attach(mouse);
    }
    ~SessionRig() { session.stopListener(); }

    // The first poll: finds, identifies and reads the mouse.
    void connect() {
        session.poll();
        ASSERT_TRUE(session.hasDevice());
        mouse.clearReports();
        presenter.messages.clear();
        recorder.clear();
    }

    // Command reports the mouse saw with this command code.
    std::vector<std::vector<std::uint8_t>> commands(std::uint8_t code) const {
        return gm::testing::commandReports(mouse, code);
    }

    ManualClock clock;
    sim::VirtualBus bus;
    ScriptedCountBackend backend{bus};
    sim::VirtualMouse mouse;
    RecordingPresenter presenter;
    gm::testing::PlainFileWriter files;
    Workspace workspace{backend, clock, rigTiming(), presenter, files};
    Timing& timing = workspace.timing();
    Session& session = workspace.session();
    CommandProtocol& protocol = workspace.protocol();
    Transport& transport = workspace.transport();
    image::ImageModel& model = workspace.model();
    ChangeRecorder recorder{workspace};

    OperationGuard& guard() { return workspace.guard(); }
};

using gm::testing::TempFolder;

}  // namespace gm::device::session::testing
