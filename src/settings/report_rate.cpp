#include "settings/report_rate.h"

#include <algorithm>
#include <string>

#include "settings/device_options.h"
#include "settings/display.h"
#include "settings/live_write.h"

namespace gm::settings {

device::Result setReportRate(device::Workspace& workspace, int hertz) {
    const auto* rate = std::find(kReportRates.begin(), kReportRates.end(), hertz);
    if (rate == kReportRates.end()) {
        return device::Result::fail(device::Failure::InvalidRequest, device::Step::None,
                                    std::to_string(hertz) + " Hz");
    }
    image::ImageModel& model = workspace.model();
    std::uint8_t& byte = workingByte(model, kReportRateAddress);
    byte = static_cast<std::uint8_t>((byte & 0xCF) | (rate - kReportRates.begin()) << 4);
    device::Result written = writeLive(workspace, kReportRateAddress, 1);
    if (!written || !maySend(workspace) || model.reportRateHz == hertz)
        return written;
    model.reportRateHz = hertz;
    return workspace.session().restartAndReconnect().at(device::Step::Restart);
}

}  // namespace gm::settings
