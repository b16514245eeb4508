#include "app/ctl/session_watch.h"
#include "image/hex_text.h"

#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/ctl/device_context.h"
#include "device/sim/virtual_mouse.h"
#include "image/echoed_text.h"

namespace gm::ctl {
namespace {

using device::StatusButton;
using device::session::Change;
using device::session::ChangeKind;

constexpr double kMaxSeconds = 1e6;
// Between two --sim-press presses: room for the release to be handled and read back.
constexpr device::Micros kPressGap{600'000};

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int) {
    interrupted = 1;
}

// Installs the SIGINT handler for the lifetime of the object.
class InterruptGuard {
public:
    InterruptGuard() : previous_(std::signal(SIGINT, onInterrupt)) { interrupted = 0; }
    ~InterruptGuard() { std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    void (*previous_)(int);
};

std::optional<double> parseSeconds(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || !(value > 0) ||
        value > kMaxSeconds) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<StatusButton>> parsePresses(const std::string& list, std::string& error) {
    std::vector<StatusButton> presses;
    std::istringstream names(list);
    std::string name;
    while (std::getline(names, name, ',')) {
        if (name == "cpi") {
            presses.push_back(StatusButton::Cpi);
        } else if (name == "cpi-up") {
            presses.push_back(StatusButton::CpiUp);
        } else if (name == "cpi-down") {
            presses.push_back(StatusButton::CpiDown);
        } else if (name == "profile") {
            presses.push_back(StatusButton::Profile);
        } else {
            error = "unknown button '" + image::echoed(name) +
                    "' in --sim-press (cpi, cpi-up, cpi-down, profile)";
            return std::nullopt;
        }
    }
    if (presses.empty())
        error = "--sim-press needs a list of buttons";
    return presses.empty() ? std::nullopt : std::optional(presses);
}

std::string describe(const Change& change) {
    switch (change.kind) {
        case ChangeKind::Connected:
            return "connected (version " + image::hexText(change.value, 4) + ")";
        case ChangeKind::Identified:
            return "identified chip " + change.text;
        case ChangeKind::ImageReplaced:
            return change.value != 0 ? "image read" : "image read incompletely";
        case ChangeKind::Disconnected:
            return "disconnected: " + change.text;
        case ChangeKind::ErrorPage:
            return change.value != 0 ? "error page shown" : "";
        case ChangeKind::CpiLevel:
            if (change.value < 8)
                return "cpi level " + std::to_string(change.value + 1);
            return "cpi level none (User 2 holds 0x" + image::hexText(change.value, 2) + ")";
        case ChangeKind::Profile:
            return "profile " + std::to_string(change.value + 1);
        default:
            return "";
    }
}

struct WatchPlan {
    std::optional<device::Micros> duration;  // until interrupted when empty
    std::vector<StatusButton> presses;
};

// Wakes the watch loop as soon as the status listener posts something.
class Wakeup {
public:
    void notify() {
        {
            std::lock_guard lock(mutex_);
            posted_ = true;
        }
        woken_.notify_all();
    }
    // Waits at most `limit`, or until notified.
    void waitFor(device::Micros limit) {
        std::unique_lock lock(mutex_);
        woken_.wait_for(lock, limit, [this] { return posted_; });
        posted_ = false;
    }

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool posted_ = false;
};

int watch(DeviceContext& context, const WatchPlan& plan, std::ostream& out) {
    device::Workspace& workspace = context.workspace();
    device::session::Session& session = workspace.session();
    const device::Timing& timing = workspace.timing();
    device::Clock& clock = workspace.clock();
    Wakeup wakeup;
    workspace.changes().setWakeUp([&wakeup] { wakeup.notify(); });
    const int observer = workspace.changes().subscribe([&](const Change& change) {
        const std::string line = describe(change);
        if (!line.empty())
            out << line << "\n" << std::flush;
    });
    session.startListener();

    InterruptGuard guard;
    const device::Micros start = clock.now();
    const auto timeLeft = [&] {
        return plan.duration ? *plan.duration - (clock.now() - start) : timing.pollInterval;
    };
    // Presses start once the mouse is connected, one per press gap, so each release is
    // handled (and its level or profile read back) before the next press.
    std::size_t pressed = 0;
    std::optional<device::Micros> nextPress;
    const auto pressWhenDue = [&] {
        sim::VirtualMouse* mouse = context.choice().simulatedMouse();
        if (pressed >= plan.presses.size() || mouse == nullptr || !session.hasDevice())
            return;
        if (!nextPress)
            nextPress = clock.now();
        if (clock.now() < *nextPress)
            return;
        mouse->press(plan.presses[pressed++]);
        nextPress = clock.now() + kPressGap;
    };
    while (interrupted == 0 && timeLeft().count() > 0) {
        session.poll();
        workspace.drainPostedChanges();
        // Wait until the next poll in short steps, so an interrupt or the end of --for is
        // noticed soon, and what the listener posts is printed at once.
        const device::Micros pollAt = clock.now() + timing.pollInterval;
        while (interrupted == 0 && clock.now() < pollAt && timeLeft().count() > 0) {
            pressWhenDue();
            wakeup.waitFor(std::min({timing.pumpStep, pollAt - clock.now(), timeLeft()}));
            workspace.drainPostedChanges();
        }
    }
    session.stopListener();
    workspace.drainPostedChanges();
    workspace.changes().unsubscribe(observer);
    workspace.changes().setWakeUp(nullptr);
    if (interrupted != 0)
        out << "interrupted\n";
    return kExitOk;
}

int runWatch(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (!args.positional.empty()) {
        err << "gmousectl: watch takes no arguments besides its options\n";
        return kExitUsage;
    }
    WatchPlan plan;
    if (const auto seconds = args.value("--for")) {
        const auto parsed = parseSeconds(*seconds);
        if (!parsed) {
            err << "gmousectl: --for needs a number of seconds above 0\n";
            return kExitUsage;
        }
        plan.duration = device::Micros{static_cast<long long>(*parsed * 1e6)};
    }
    if (const auto pressList = args.value("--sim-press")) {
        std::string error;
        const auto presses = parsePresses(*pressList, error);
        if (!presses) {
            err << "gmousectl: " << error << "\n";
            return kExitUsage;
        }
        if (!args.has("--simulate")) {
            err << "gmousectl: --sim-press needs --simulate\n";
            return kExitUsage;
        }
        plan.presses = *presses;
    }
    return runDeviceCommand(
        args, out, err, Connect::No,
        [&](DeviceContext& context, std::ostream& o, std::ostream&) {
            return watch(context, plan, o);
        },
        Output::Immediate);
}

}  // namespace

Command watchCommand() {
    return {"watch",
            "[--for SECONDS] [--sim-press LIST] [DEVICE OPTIONS]",
            "run the device session and print what happens to the mouse",
            std::string("Polls the HID population every 3.5 s, as the editor does, and prints "
                        "one line per\nevent: connected, identified chip, image read, "
                        "disconnected, cpi level N,\nprofile N (the last two also when the "
                        "mouse's own buttons change them).\nRuns until interrupted (Ctrl-C) or "
                        "for --for SECONDS.\n  --sim-press LIST  with --simulate: press the "
                        "virtual mouse's buttons once it is\n                    connected; LIST "
                        "of cpi, cpi-up, cpi-down, profile, comma-separated\n\n") +
                kDeviceOptionsHelp,
            withDeviceOptions(
                {{{"--for"}, OptionValue::Required}, {{"--sim-press"}, OptionValue::Required}}),
            runWatch};
}

}  // namespace gm::ctl
