#pragma once
// Which mouse a program talks to, shared by the editor and the command-line tool: the real
// mouse through hidraw, or the virtual mouse (a chip type, an EEPROM kept in a file between
// runs, injected faults). Builds the backend and the clock the workspace runs on.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "device/clock.h"
#include "device/hid/hid_backend.h"
#include "device/session/workspace.h"
#include "host/device_choice/sim_faults.h"
#include "image/geometry.h"

namespace gm::sim {
class VirtualBus;
class VirtualMouse;
}  // namespace gm::sim

namespace gm::host {

struct DeviceChoiceOptions {
    bool simulate = false;
    image::ChipType simChip = image::ChipType::Chip4210A;
    std::filesystem::path simEeprom;  // empty: the chip's factory image, not kept
    SimFaults faults;
};

class DeviceChoice {
public:
    // Builds the backend. For the virtual mouse with an EEPROM file, the file is locked for the
    // life of the object (a second program using it waits its turn) and read when it exists.
    // nullptr with `error` set when the file cannot be used.
    static std::unique_ptr<DeviceChoice> create(const DeviceChoiceOptions& options,
                                                std::string& error);
    ~DeviceChoice();
    DeviceChoice(const DeviceChoice&) = delete;
    DeviceChoice& operator=(const DeviceChoice&) = delete;

    hid::Backend& backend() { return *backend_; }
    device::Clock& clock() { return clock_; }
    // The virtual mouse, or nullptr on the real one.
    sim::VirtualMouse* simulatedMouse() { return mouse_.get(); }
    bool simulated() const { return mouse_ != nullptr; }

    // Arms the faults on the workspace's mouse: bad-identify and slow at once, the counted
    // faults whenever the mouse has been identified (see armCountedFaults). The workspace must
    // be destroyed before this object.
    void armFaults(device::Workspace& workspace);

    // Writes the virtual mouse's EEPROM back to its file (nothing to do without one); an empty
    // string on success, else what went wrong.
    std::string saveSimulation();

private:
    DeviceChoice() = default;

    DeviceChoiceOptions options_;
    device::SteadyClock clock_;
    std::unique_ptr<sim::VirtualMouse> mouse_;
    std::unique_ptr<hid::Backend> backend_;
    int lockFd_ = -1;
};

}  // namespace gm::host
