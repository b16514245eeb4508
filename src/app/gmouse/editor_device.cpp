#include "app/gmouse/editor_device.h"

#include "device/link/transport.h"

namespace gm::app {

namespace {

enum class RealMouse { Usable, Absent, NotOpenable };

RealMouse probe(hid::Backend& backend) {
    bool seen = false;
    for (const hid::InterfaceInfo& info : backend.enumerate()) {
        if (info.vendorId != device::kMouseIdentity.vendorId ||
            info.productId != device::kMouseIdentity.productId)
            continue;
        seen = true;
        // Opened and closed again at once: the session opens it for real at its first poll.
        if (backend.open(info.path).device)
            return RealMouse::Usable;
    }
    return seen ? RealMouse::NotOpenable : RealMouse::Absent;
}

}  // namespace

EditorDevice chooseEditorDevice(const host::DeviceChoiceOptions& options) {
    EditorDevice chosen;
    if (!options.simulate) {
        chosen.choice = host::DeviceChoice::create(options, chosen.error);
        if (!chosen.choice)
            return chosen;
        const RealMouse real = probe(chosen.choice->backend());
        if (real == RealMouse::Usable)
            return chosen;
        chosen.note = real == RealMouse::Absent ? ui::MainWindow::DeviceNote::VirtualNoMouse
                                                : ui::MainWindow::DeviceNote::VirtualNoPermission;
        chosen.choice.reset();
    } else {
        chosen.note = ui::MainWindow::DeviceNote::VirtualMouse;
    }
    host::DeviceChoiceOptions simulated = options;
    simulated.simulate = true;
    chosen.choice = host::DeviceChoice::create(simulated, chosen.error);
    return chosen;
}

}  // namespace gm::app
