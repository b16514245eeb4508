#pragma once
// Figures the benchmarks leave behind for the summary printed after the run.

#include <string>
#include <vector>

namespace gm::bench {

struct Figure {
    std::string name;
    double value = 0;
    std::string unit;
    std::string target;  // e.g. "< 5 us"
    bool met = false;
};

// Records (or replaces, by name) a figure; the last run of a benchmark wins.
void recordFigure(Figure figure);
const std::vector<Figure>& figures();

}  // namespace gm::bench
