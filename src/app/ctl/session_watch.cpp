#include "app/ctl/session_watch.h"
#include "image/hex_text.h"

#include <charconv>
#include <csignal>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/ctl/device_context.h"
#include "app/ctl/session_host.h"
#include "device/sim/virtual_mouse.h"

namespace gm::ctl {
namespace {

using device::StatusButton;
using device::session::SessionEvent;
using device::session::SessionEventKind;

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
            error = "unknown button '" + name + "' in --sim-press (cpi, cpi-up, cpi-down, profile)";
            return std::nullopt;
        }
    }
    if (presses.empty())
        error = "--sim-press needs a list of buttons";
    return presses.empty() ? std::nullopt : std::optional(presses);
}

std::string describe(const SessionEvent& event) {
    switch (event.kind) {
        case SessionEventKind::Connected:
            return "connected (version " + image::hexText(event.value, 4) + ")";
        case SessionEventKind::Identified:
            return "identified chip " + event.text;
        case SessionEventKind::ImageRead:
            return "image read";
        case SessionEventKind::Disconnected:
            return "disconnected: " + event.text;
        case SessionEventKind::CpiLevel:
            if (event.value < 8)
                return "cpi level " + std::to_string(event.value + 1);
            return "cpi level none (User 2 holds 0x" + image::hexText(event.value, 2) + ")";
        case SessionEventKind::Profile:
            return "profile " + std::to_string(event.value + 1);
    }
    return {};
}

struct WatchPlan {
    std::optional<device::Micros> duration;  // until interrupted when empty
    std::vector<StatusButton> presses;
};

int watch(DeviceContext& context, const WatchPlan& plan, std::ostream& out, std::ostream& err) {
    SessionHost host(context, err, std::nullopt);
    device::session::Session& session = host.session();
    device::SteadyClock clock;
    const device::Timing& timing = session.timing();
    std::mutex outMutex;
    session.setObserver([&](const SessionEvent& event) {
        std::lock_guard lock(outMutex);
        out << describe(event) << "\n" << std::flush;
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
        sim::VirtualMouse* mouse = context.simulatedMouse();
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
        // Sleep until the next poll in short steps, so an interrupt or the end of --for is
        // noticed soon.
        for (device::Micros waited{0}; waited < timing.pollInterval && interrupted == 0;) {
            pressWhenDue();
            const device::Micros step =
                std::min({timing.pumpStep, timing.pollInterval - waited, timeLeft()});
            if (step.count() <= 0)
                break;
            clock.sleepFor(step);
            waited += step;
        }
    }
    session.stopListener();
    session.setObserver(nullptr);
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
    return runDeviceCommand(args, out, err, false,
                            [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                return watch(context, plan, o, e);
                            });
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
