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
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "device/timing.h"
#include "image/image_model.h"
#include "support/temp_folder.h"

namespace gm::device::session::testing {

// Records every call; safe from the status listener's thread. waitFor blocks (real time, with a
// generous bound) until a predicate over the record holds.
class RecordingPresenter final : public Presenter {
public:
    struct Indicator {
        StatusButton button;
        bool on;
        bool operator==(const Indicator&) const = default;
    };

    void showProgress(int, int) override {
        update([&] { ++progressShown; });
    }
    void pumpEvents() override {
        std::function<void()> hook;
        {
            std::lock_guard lock(mutex_);
            hook = onPump;
        }
        if (hook)
            hook();
    }
    void showMessage(const Message& message) override {
        update([&] { messages.push_back(message); });
    }
    void refresh(View view) override {
        update([&] { views.push_back(view); });
    }
    void setOverlays(bool shown) override {
        update([&] { overlays.push_back(shown); });
    }
    void setStatusIndicator(StatusButton button, bool on) override {
        update([&] { indicators.push_back({button, on}); });
    }

    template <typename Predicate>
    bool waitFor(Predicate predicate) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return predicate(*this); });
    }
    template <typename Read>
    auto read(Read reader) {
        std::lock_guard lock(mutex_);
        return reader(*this);
    }
    int count(View view) {
        return read([&](RecordingPresenter& p) {
            return static_cast<int>(std::count(p.views.begin(), p.views.end(), view));
        });
    }
    bool saw(const std::string& textOrId) {
        return read([&](RecordingPresenter& p) {
            return std::any_of(p.messages.begin(), p.messages.end(), [&](const Message& m) {
                return (!m.textId.empty() && m.textId == textOrId) ||
                       m.text.find(textOrId) != std::string::npos;
            });
        });
    }

    std::vector<Message> messages;
    std::vector<View> views;
    std::vector<bool> overlays;
    std::vector<Indicator> indicators;
    int progressShown = 0;
    std::function<void()> onPump;

private:
    template <typename Change>
    void update(Change change) {
        {
            std::lock_guard lock(mutex_);
            change();
        }
        changed_.notify_all();
    }
    std::mutex mutex_;
    std::condition_variable changed_;
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
    timing.inputReadTimeout = std::chrono::milliseconds{5};
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
        presenter.read([](RecordingPresenter& p) {
            p.messages.clear();
            p.views.clear();
            p.overlays.clear();
            return 0;
        });
    }

    // Command reports the mouse saw with this command code.
    std::vector<std::vector<std::uint8_t>> commands(std::uint8_t code) const {
        std::vector<std::vector<std::uint8_t>> found;
        for (const sim::SeenReport& report : mouse.reports()) {
            if (report.kind == ReportKind::SetFeature && report.bytes.size() >= 2 &&
                report.bytes[0] == kCommandReportId && report.bytes[1] == code) {
                found.push_back(report.bytes);
            }
        }
        return found;
    }

    ManualClock clock;
    Timing timing = rigTiming();
    sim::VirtualBus bus;
    ScriptedCountBackend backend{bus};
    sim::VirtualMouse mouse;
    Transport transport{backend, clock, timing};
    RecordingPresenter presenter;
    CommandProtocol protocol{transport, clock, timing, presenter};
    image::ImageModel model;
    Session session{SessionParts{transport, protocol, clock, timing, presenter, model}};
};

using gm::testing::TempFolder;

}  // namespace gm::device::session::testing
