#pragma once
// A bus of virtual HID interfaces behind the hid::Backend API: any number of unrelated
// interfaces and any number of virtual mice, enumerated in the order they were plugged in.
// Thread-safe.

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

#include "device/hid/hid_backend.h"
#include "device/sim/virtual_mouse.h"

namespace gm::sim {

class VirtualBus final : public hid::Backend {
public:
    VirtualBus();
    ~VirtualBus() override;

    // Plugs in an interface that is not the mouse: it opens, refuses every feature report and
    // never sends an input report. Gets the path "sim/generic<id>" when info.path is empty.
    int plugGeneric(hid::InterfaceInfo info);
    // Unplugs a generic interface; its open handles fail from now on. Unknown ids are ignored.
    void unplug(int id);

    // Puts a mouse on the bus (after what is already plugged in). A mouse destroyed while
    // attached simply leaves the bus.
    void attach(VirtualMouse& mouse);
    void detach(VirtualMouse& mouse);
    void detach();  // every mouse

    std::vector<hid::InterfaceInfo> enumerate() override;
    int countPresent() override;
    // Fails with NotFound for a path that is not (or no longer) on the bus.
    hid::OpenResult open(const std::string& path) override;

    struct GenericSlot;

private:
    using Slot = std::variant<std::shared_ptr<GenericSlot>, std::shared_ptr<VirtualMouse::State>>;
    mutable std::mutex mutex_;
    std::vector<Slot> slots_;
    int nextGenericId_ = 1;
};

}  // namespace gm::sim
