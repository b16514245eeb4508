// Runs the benchmarks, then prints the recorded figures against their targets.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

#include "bench_figures.h"

namespace gm::bench {
namespace {
std::vector<Figure>& store() {
    static std::vector<Figure> all;
    return all;
}
}  // namespace

void recordFigure(Figure figure) {
    auto& all = store();
    auto it = std::ranges::find(all, figure.name, &Figure::name);
    if (it != all.end()) {
        *it = std::move(figure);
    } else {
        all.push_back(std::move(figure));
    }
}

const std::vector<Figure>& figures() {
    return store();
}

}  // namespace gm::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\nFigures:\n");
    for (const gm::bench::Figure& f : gm::bench::figures()) {
        const char* verdict = f.target.empty() ? "" : f.met ? "met" : "MISSED";
        std::printf("  %-44s %10.3f %-3s %-6s %-8s %s\n", f.name.c_str(), f.value, f.unit.c_str(),
                    f.target.empty() ? "" : "target", f.target.c_str(), verdict);
    }
    return 0;
}
