// Time from a click on a CPI bar segment of the Advanced page to the level's value byte arriving
// at the virtual mouse, measured on the host's steady clock. The session runs on a manual clock,
// so the protocol's fixed pause after each live write (100 ms on a real mouse) costs nothing and
// is not in the figure. Prints the median, 95th percentile and maximum over the runs.
// usage: cpi_click [RUNS]   (default 500; offscreen unless QT_QPA_PLATFORM is set)

#include <QAbstractButton>
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "bench_window.h"
#include "device/wire.h"
#include "settings/cpi_levels.h"
#include "settings/image_state.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint8_t kFirstValueByte = 44;
constexpr std::uint8_t kLastValueByte = 47;

double micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    QApplication app(argc, argv);

    gm::device::Timing timing;  // the real pauses, free on the manual clock
    timing.pollInterval = gm::device::Micros{20'000};
    gm::bench::BenchWindow bench(timing);
    gm::settings::followImageReads(bench.workspace);
    if (!bench.open()) {
        std::fprintf(stderr, "cpi_click: the virtual mouse was not read\n");
        return 1;
    }
    gm::ui::MainWindow& window = *bench.window;
    gm::sim::VirtualMouse& mouse = bench.mouse;
    gm::device::Workspace& workspace = bench.workspace;
    window.showPage(gm::ui::Page::Advanced);

    // The first live write of a level value byte after each click.
    std::optional<Clock::time_point> arrived;
    mouse.setTrace([&arrived](gm::device::ReportKind kind, std::span<const std::uint8_t> bytes) {
        if (!arrived && kind == gm::device::ReportKind::SetFeature && bytes.size() >= 4 &&
            bytes[0] == gm::device::kCommandReportId &&
            bytes[1] == gm::device::command::kLiveWrite && bytes[3] >= kFirstValueByte &&
            bytes[3] <= kLastValueByte)
            arrived = Clock::now();
    });

    std::vector<double> toByte;
    std::vector<double> wholeClick;
    for (int run = 0; run < runs; ++run) {
        const int level = 1 + run % 6;
        const int segment = 1 + (run * 5) % 12;
        const QString name = QString("Img_DPI%1_%2").arg(level).arg(segment);
        auto* button = window.findChild<QAbstractButton*>(name);
        if (button == nullptr) {
            std::fprintf(stderr, "cpi_click: no segment %s\n", qPrintable(name));
            return 1;
        }
        arrived.reset();
        const Clock::time_point clicked = Clock::now();
        button->click();
        const Clock::time_point done = Clock::now();
        if (!arrived) {
            std::fprintf(stderr, "cpi_click: click %d sent no value byte\n", run);
            return 1;
        }
        toByte.push_back(micros(*arrived - clicked));
        wholeClick.push_back(micros(done - clicked));
        QApplication::processEvents();
    }
    // The same write called on the core directly: what the page adds is the difference.
    std::vector<double> coreToByte;
    for (int run = 0; run < runs; ++run) {
        arrived.reset();
        const Clock::time_point called = Clock::now();
        (void)gm::settings::setLevelValue(workspace, 1 + run % 6,
                                          static_cast<std::uint8_t>((run * 5) % 12));
        if (!arrived) {
            std::fprintf(stderr, "cpi_click: core call %d sent no value byte\n", run);
            return 1;
        }
        coreToByte.push_back(micros(*arrived - called));
    }
    mouse.setTrace({});

    auto figure = [](std::vector<double> values, double share) {
        std::sort(values.begin(), values.end());
        return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
    };
    std::printf(
        "CPI bar click to value byte on the virtual mouse (%d clicks, fixed 100 ms live-write "
        "pause not counted):\n  median %.3f ms, p95 %.3f ms, max %.3f ms (target < 2 ms)\n"
        "whole click including the current-level re-send and the page redraw:\n"
        "  median %.3f ms, p95 %.3f ms\n"
        "the core's setLevelValue called directly, to the value byte:\n"
        "  median %.3f ms, p95 %.3f ms\n",
        runs, figure(toByte, 0.5) / 1000, figure(toByte, 0.95) / 1000, figure(toByte, 1.0) / 1000,
        figure(wholeClick, 0.5) / 1000, figure(wholeClick, 0.95) / 1000,
        figure(coreToByte, 0.5) / 1000, figure(coreToByte, 0.95) / 1000);
    return figure(toByte, 0.5) < 2000 ? 0 : 2;
}
