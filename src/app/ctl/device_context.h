#pragma once
// What every gmousectl command that talks to the mouse shares: the device options
// (--simulate, --sim-eeprom, --sim-fault, --trace, --no-backup), the workspace built on the
// chosen backend, connecting through the session (the same search, identify and read the
// editor uses), and keeping the virtual mouse's EEPROM in its file between runs.

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "app/ctl/command.h"
#include "app/ctl/printing_presenter.h"
#include "device/result.h"
#include "device/session/workspace.h"
#include "host/device_choice/device_choice.h"
#include "host/files/atomic_file_writer.h"

namespace gm::ctl {

struct DeviceOptions {
    host::DeviceChoiceOptions choice;
    bool trace = false;  // every report on standard error
};

// The help paragraph on the shared options, for each device command's --help.
extern const std::string kDeviceOptionsHelp;

// The shared device options followed by a command's own.
OptionList withDeviceOptions(OptionList own = {});

// The shared options of parsed arguments; nullopt with `error` set on bad values.
std::optional<DeviceOptions> deviceOptionsOf(const ParsedArgs& args, std::string& error);

// How far a command needs the mouse before its own work.
enum class Connect { No, Identify, ReadImage };

// The workspace of one command run.
class DeviceContext {
public:
    // Builds the workspace; fails (nullptr, `error` set) when the EEPROM file cannot be used.
    static std::unique_ptr<DeviceContext> create(const DeviceOptions& options, std::ostream& err,
                                                 std::string& error);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // Finds the mouse through the session and identifies it (and reads its image when asked).
    device::Result connect(Connect how);

    device::Workspace& workspace() { return *workspace_; }
    device::CommandProtocol& protocol() { return workspace_->protocol(); }
    device::Presenter& presenter() { return workspace_->presenter(); }
    hid::Backend& backend() { return choice_->backend(); }
    host::DeviceChoice& choice() { return *choice_; }
    // Known after connect().
    image::ChipType chip() const;
    std::uint16_t version() const { return version_; }

    // Writes the virtual mouse's EEPROM back to its file; empty on success, else the error.
    std::string saveSimulation() { return choice_->saveSimulation(); }

private:
    DeviceContext() = default;

    std::unique_ptr<host::DeviceChoice> choice_;
    std::unique_ptr<PrintingPresenter> presenter_;
    host::AtomicFileWriter files_;
    std::unique_ptr<device::Workspace> workspace_;
    std::uint16_t version_ = 0;
};

// Prints a failed result's message (and its notes) on standard error; returns the exit status
// for it: 0 when done.
int report(const device::Result& result, std::ostream& err);

using DeviceCommandBody =
    std::function<int(DeviceContext& context, std::ostream& out, std::ostream& err)>;

// When a command's standard output is printed: after the virtual mouse's EEPROM was saved (so
// a write that was not kept is never claimed), or at once (a command that runs until stopped).
enum class Output { AfterSave, Immediate };

// The frame of a device command: reads the shared options (usage error on bad ones), builds
// the context, connects as far as `connect` says, runs `body` and saves the virtual mouse's
// EEPROM, whatever the outcome. Returns the exit status. A command checks its own arguments
// before calling this, so bad input never reaches the mouse.
int runDeviceCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err, Connect connect,
                     const DeviceCommandBody& body, Output output = Output::AfterSave);

}  // namespace gm::ctl
