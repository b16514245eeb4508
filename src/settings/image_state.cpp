#include "settings/image_state.h"

#include "settings/device_options.h"
#include "settings/display.h"
#include "settings/led_lighting.h"

namespace gm::settings {

void takeImageState(image::ImageModel& model) {
    const image::Image& image = model.buffer;
    model.ledTypeText = std::string(ledTypeText(decodeLed(image[kLedByteAddress]).type));
    model.packageItem = (image[kPackageAddress] >> kPackageBit) & 1;
    model.reportRateHz = reportRateOf(image[kReportRateAddress]);
}

void followImageReads(device::Workspace& workspace) {
    workspace.session().setImageReadHook(takeImageState);
}

}  // namespace gm::settings
