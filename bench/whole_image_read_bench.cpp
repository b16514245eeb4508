// Whole-image read (2048 bytes, 293 data reports) against the virtual mouse:
//  - host CPU per data report with the pacing at zero;
//  - CPU against wall time with the real 500 us pacing on the steady clock, which must sleep,
//    not spin.
// Both use process CPU time, so work on any thread counts.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "bench_figures.h"
#include "device/clock.h"
#include "device/link/operation_guard.h"
#include "device/link/protocol.h"
#include "device/link/sealed_presenter.h"
#include "device/link/transport.h"
#include "device/presenter.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "device/timing.h"

namespace gm::bench {
namespace {

constexpr double kReportsPerImage = 293;

// A mouse on a bus, opened through the transport, ready for whole-image reads.
struct Rig {
    explicit Rig(device::Timing pacing) : timing(pacing) {
        bus.attach(mouse);
        if (!transport.openMouse(device::kMouseIdentity.vendorId, device::kMouseIdentity.productId)
                 .found) {
            std::abort();
        }
    }
    bool readImage() {
        const bool ok = protocol.readBlock(0, image, device::Progress::Shown).ok();
        mouse.clearReports();  // the mouse's record would otherwise grow with every read
        return ok;
    }

    device::SteadyClock clock;
    device::Timing timing;
    sim::VirtualBus bus;
    sim::VirtualMouse mouse{clock, image::ChipType::Chip4210A};
    // Wired as the program wires it: the progress calls go out through the sealed guard.
    device::NullPresenter presenter;
    device::OperationGuard guard;
    device::SealedPresenter sealed{presenter, guard};
    device::Transport transport{bus, clock, timing};
    device::CommandProtocol protocol{transport, guard, clock, timing, sealed};
    image::Image image{};
};

double processCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void BM_WholeImageRead_HostCostUnpaced(benchmark::State& state) {
    Rig rig(device::Timing::instant());
    const double cpuStart = processCpuSeconds();
    for (auto _ : state) {
        if (!rig.readImage())
            state.SkipWithError("read failed");
    }
    const double cpuPerReport = (processCpuSeconds() - cpuStart) /
                                (static_cast<double>(state.iterations()) * kReportsPerImage);
    state.counters["us_per_report"] = cpuPerReport * 1e6;
    recordFigure({"(a) host CPU per data report, no pacing", cpuPerReport * 1e6, "us", "< 5 us",
                  cpuPerReport * 1e6 < 5.0});
}
BENCHMARK(BM_WholeImageRead_HostCostUnpaced)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

void BM_WholeImageRead_Paced500us(benchmark::State& state) {
    Rig rig(device::Timing{});
    const double cpuStart = processCpuSeconds();
    const double wallStart = wallSeconds();
    for (auto _ : state) {
        if (!rig.readImage())
            state.SkipWithError("read failed");
    }
    const double cpu = processCpuSeconds() - cpuStart;
    const double wall = wallSeconds() - wallStart;
    const double iterations = static_cast<double>(state.iterations());
    const double share = wall > 0 ? 100.0 * cpu / wall : 0;
    state.counters["cpu_ms"] = cpu / iterations * 1e3;
    state.counters["wall_ms"] = wall / iterations * 1e3;
    state.counters["cpu_pct_of_wall"] = share;
    recordFigure({"(b) paced read: wall time per image", wall / iterations * 1e3, "ms", "", true});
    recordFigure({"(b) paced read: process CPU per image", cpu / iterations * 1e3, "ms", "", true});
    recordFigure({"(b) paced read: CPU share of wall time", share, "%", "< 10 %", share < 10.0});
}
BENCHMARK(BM_WholeImageRead_Paced500us)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gm::bench
