#include "settings/sensor_registers.h"

#include <algorithm>
#include <string>

#include "settings/display.h"
#include "settings/live_write.h"

namespace gm::settings {
namespace {}  // namespace

const std::array<std::string_view, kRegisterCount>& registerNames() {
    static constexpr std::array<std::string_view, kRegisterCount> kNames{
        "Avg_lb_lq",
        "Avg_hb_lq",
        "Avg_tg_lq",
        "Avg_lb",
        "Avg_hb",
        "Avg_tg",
        "MiscBitCfg",
        "HSqDcrDiv_LSqDcrDiv",
        "LfBpsShlThr",
        "LfHfsqThr",
        "CrpThrGain1Sql",
        "CrpThrGain1Sqh",
        "CrpThrGain2Sql",
        "CrpThrGain2Sqh",
        "CrpThrGain4Sql",
        "CrpThrGain4Sqh",
        "CrpThrGain8Sqx",
        "BpGainThr_LandThrWeight",
        "CrpCntThr_LftBpsGainThr",
        "HsqCorBit_LsqCorBit",
        "LftCorBitAvgThr",
        "SubpixCorBit_MaxGain",
        "MaxShut",
        "LandCntThr",
        "LiftCntThr",
        "CorBitHfsqThr",
        "illumXledAvgThr",
        "BpHfsqThr",
        "HgLsqCorBit_LgLsqCorBit",
        "HgLsqThr",
        "Misc_G8CorBit",
        "LED Init0",
        "LED Init1",
    };
    return kNames;
}

std::optional<std::size_t> registerAddressOf(std::string_view name) {
    const auto& names = registerNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (sameName(name, names[i]))
            return kFirstRegisterAddress + i;
    }
    return std::nullopt;
}

device::Result setSensorRegister(device::Workspace& workspace, std::size_t address, int value) {
    if (address < kFirstRegisterAddress || address >= kFirstRegisterAddress + kRegisterCount) {
        return device::Result::fail(device::Failure::InvalidRequest, device::Step::None,
                                    "no sensor register at " + std::to_string(address));
    }
    workingByte(workspace.model(), address) = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    return writeLive(workspace, address, 1);
}

}  // namespace gm::settings
