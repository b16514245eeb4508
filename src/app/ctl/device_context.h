#pragma once
// What every gmousectl command that talks to the mouse shares: the device options
// (--simulate, --sim-eeprom, --sim-fault, --trace), the objects of the device link built from
// them (a hidraw or virtual backend, the steady clock, the timing table, transport, command
// protocol and a printing presenter), opening and identifying the mouse, and keeping the
// virtual mouse's EEPROM in its file between runs.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ctl/command.h"
#include "device/hid/hid_backend.h"
#include "device/link/protocol.h"
#include "device/link/transport.h"
#include "image/geometry.h"

namespace gm::sim {
class VirtualMouse;
}

namespace gm::ctl {

// Faults the virtual mouse injects. They take effect once the mouse is open and identified,
// so the counts below number the reports of the command's own work; bad-identify applies to
// the identification itself.
struct SimFaults {
    bool refuseCommand = false;  // refuse-command
    int refuseDataFrom = 0;      // refuse-data=N: the N-th data report and every later one
    int vanishAfter = 0;         // vanish-after=N: leave the bus after N reports
    bool badIdentify = false;    // bad-identify: answer identify without the marker
};

struct DeviceOptions {
    bool simulate = false;
    image::ChipType simChip = image::ChipType::Chip4210A;
    std::string simEeprom;  // file of the virtual mouse's EEPROM; empty: factory image only
    SimFaults faults;
    bool trace = false;  // every report on standard error
};

// The help paragraph on the shared options, for each device command's --help.
extern const char* const kDeviceOptionsHelp;

// The shared device options followed by a command's own.
OptionList withDeviceOptions(OptionList own = {});

// The shared options of parsed arguments; nullopt with `error` set on bad values.
std::optional<DeviceOptions> deviceOptionsOf(const ParsedArgs& args, std::string& error);

// The device link of one command run. Single-threaded use.
class DeviceContext {
public:
    // Builds the link; fails (nullptr, `error` set) when the EEPROM file cannot be read.
    static std::unique_ptr<DeviceContext> create(const DeviceOptions& options, std::ostream& err,
                                                 std::string& error);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // Finds the mouse (kMouseIdentity), checks both report channels and identifies the chip.
    // False with `error` saying what failed.
    bool openMouse(std::string& error);

    hid::Backend& backend() { return *backend_; }
    device::Transport& transport() { return *transport_; }
    device::CommandProtocol& protocol() { return *protocol_; }
    device::Presenter& presenter() { return *presenter_; }

    // Known after openMouse().
    image::ChipType chip() const { return chip_; }
    std::uint16_t version() const { return version_; }

    // The virtual mouse, or nullptr on real hardware.
    sim::VirtualMouse* simulatedMouse() { return mouse_.get(); }
    // Writes the virtual mouse's EEPROM back to its file (nothing to do without one); an empty
    // string on success, else what went wrong.
    std::string saveSimulation();

private:
    explicit DeviceContext(const DeviceOptions& options);
    void armFaults();

    DeviceOptions options_;
    std::unique_ptr<device::Clock> clock_;
    device::Timing timing_;
    std::unique_ptr<hid::Backend> backend_;
    std::unique_ptr<sim::VirtualMouse> mouse_;
    std::unique_ptr<device::Presenter> presenter_;
    std::unique_ptr<device::Transport> transport_;
    std::unique_ptr<device::CommandProtocol> protocol_;
    image::ChipType chip_ = image::ChipType::Chip4210A;
    std::uint16_t version_ = 0;
};

using DeviceCommandBody =
    std::function<int(DeviceContext& context, std::ostream& out, std::ostream& err)>;

// The frame of a device command: reads the shared options (usage error on bad ones), builds
// the context, opens and identifies the mouse when `needsMouse`, runs `body` and saves the
// virtual mouse's EEPROM, whatever the outcome. Returns the exit status. A command checks its
// own arguments before calling this, so bad input never reaches the mouse.
int runDeviceCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err, bool needsMouse,
                     const DeviceCommandBody& body);

}  // namespace gm::ctl
