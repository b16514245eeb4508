#include "device/session/macro_area_write.h"

#include <array>

#include "device/session/image_writes.h"

namespace gm::device::session {

Result writeMacroHalves(Workspace& workspace, MacroHalfSteps steps) {
    constexpr std::size_t kHalf = image::kMacro.length / 2;
    const std::array<std::pair<image::Area, Step>, 2> halves{
        {{{image::kMacro.offset, kHalf}, steps.first},
         {{image::kMacro.offset + kHalf, kHalf}, steps.second}}};
    auto batch = workspace.changes().batch();
    Result total;
    int refused = 0;
    int reports = 0;
    std::array<bool, 2> incomplete{};
    for (std::size_t i = 0; i < halves.size(); ++i) {
        Result half = writeArea(workspace, halves[i].first, halves[i].second, ReadBack::ByCaller);
        incomplete[i] = half.failure == Failure::TransferIncomplete;
        refused += half.refused;
        reports += half.reports;
        if (total.ok() && !half.ok())
            total = std::move(half);
    }
    for (std::size_t i = 0; i < halves.size(); ++i) {
        if (incomplete[i])
            settleRefusedArea(workspace, halves[i].first);
    }
    total.refused = refused;
    total.reports = reports;
    return total;
}

}  // namespace gm::device::session
