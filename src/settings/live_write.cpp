#include "settings/live_write.h"

namespace gm::settings {

device::Result writeColour(device::Workspace& workspace, std::size_t address, Rgb colour) {
    image::ImageModel& model = workspace.model();
    workingByte(model, address) = colour.red;
    workingByte(model, address + 1) = colour.green;
    workingByte(model, address + 2) = colour.blue;
    return writeLive(workspace, address, 3);
}

}  // namespace gm::settings
