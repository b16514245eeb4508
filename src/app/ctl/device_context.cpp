#include "app/ctl/device_context.h"

#include <ostream>
#include <sstream>

#include "app/ctl/backup_folder.h"
#include "device/trace.h"
#include "host/device_choice/sim_options.h"
#include "host/files/user_folders.h"
#include "image/hex_text.h"
#include "macros/device_tables.h"
#include "settings/image_state.h"

namespace gm::ctl {

namespace {

constexpr const char* kSimulateHelp =
    "Device options:\n"
    "  --simulate[=4210A|4230A]  use the virtual mouse (default chip 4210A)\n"
    "  --sim-eeprom FILE         the virtual mouse's EEPROM: loaded from FILE when it exists\n"
    "                            (else the chip's factory image Cfg1), saved back on exit\n";

}  // namespace

const std::string kDeviceOptionsHelp =
    std::string(kSimulateHelp) + host::kSimFaultHelp +
    "  --trace                   every report on standard error, one line each\n"
    "Without --simulate the mouse is reached through its hidraw node.\n";

OptionList withDeviceOptions(OptionList own) {
    OptionList options{{{"--simulate"}, OptionValue::Optional},
                       {{"--sim-eeprom"}, OptionValue::Required},
                       {{"--sim-fault"}, OptionValue::Required, true},
                       {{"--trace"}, OptionValue::None}};
    options.insert(options.end(), own.begin(), own.end());
    return options;
}

std::optional<DeviceOptions> deviceOptionsOf(const ParsedArgs& args, std::string& error) {
    auto choice = host::deviceChoiceOf(
        {args.value("--simulate"), args.value("--sim-eeprom"), args.values("--sim-fault")}, error);
    if (!choice)
        return std::nullopt;
    return DeviceOptions{std::move(*choice), args.has("--trace")};
}

std::unique_ptr<DeviceContext> DeviceContext::create(const DeviceOptions& options,
                                                     std::ostream& err, std::string& error) {
    std::unique_ptr<DeviceContext> context(new DeviceContext());
    context->choice_ = host::DeviceChoice::create(options.choice, error);
    if (!context->choice_)
        return nullptr;
    context->presenter_ = std::make_unique<PrintingPresenter>(err);
    context->workspace_ = std::make_unique<device::Workspace>(
        context->choice_->backend(), context->choice_->clock(), device::Timing{},
        *context->presenter_, context->files_);
    settings::followImageReads(*context->workspace_);
    if (const auto journal = host::writeJournalFile(context->choice_->simulated());
        !journal.empty())
        context->workspace_->setJournalFile(journal);
    macros::followMacroArea(*context->workspace_);
    if (options.trace) {
        context->workspace_->transport().setTrace(
            [&err](device::ReportKind kind, std::span<const std::uint8_t> bytes) {
                err << device::formatTraceLine(kind, bytes) << "\n";
            });
    }
    context->workspace_->changes().subscribe(
        [context = context.get()](const device::session::Change& change) {
            if (change.kind == device::session::ChangeKind::Connected)
                context->version_ = static_cast<std::uint16_t>(change.value);
        });
    context->choice_->armFaults(*context->workspace_);
    return context;
}

DeviceContext::~DeviceContext() {
    // The workspace goes first: its session and listener use the backend of the choice.
    workspace_.reset();
}

image::ChipType DeviceContext::chip() const {
    return workspace_->model().chip.value_or(image::ChipType::Chip4210A);
}

device::Result DeviceContext::connect(Connect how) {
    // The session's own messages (the reconnect wait) mean nothing to a one-shot command; the
    // result says what went wrong instead.
    presenter_->setQuiet(true);
    device::Result result = workspace_->session().searchForMouse(
        how == Connect::ReadImage ? device::session::ImageRead::Yes
                                  : device::session::ImageRead::No);
    presenter_->setQuiet(false);
    if (result.failure == device::Failure::NoDevice && result.detail.empty()) {
        result.detail = "no mouse found (vendor id 0x" +
                        image::hexText(device::kMouseIdentity.vendorId, 4) + ", product id 0x" +
                        image::hexText(device::kMouseIdentity.productId, 4) + ")";
    }
    return result;
}

int report(const device::Result& result, std::ostream& err) {
    for (const device::Message& note : result.notes)
        err << "gmousectl: " << note.text << "\n";
    if (result.ok())
        return kExitOk;
    err << "gmousectl: " << device::messageOf(result).text;
    if (!result.detail.empty() && result.failure == device::Failure::NoDevice)
        err << " (" << result.detail << ")";
    err << "\n";
    return result.failure == device::Failure::FileUnusable ||
                   result.failure == device::Failure::BadMarker ||
                   result.failure == device::Failure::InvalidRequest
               ? kExitUsage
               : kExitFailure;
}

int runDeviceCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err, Connect connect,
                     const DeviceCommandBody& body, Output output) {
    std::string error;
    const auto options = deviceOptionsOf(args, error);
    if (!options) {
        err << "gmousectl: " << error << "\n";
        return kExitUsage;
    }
    const auto context = DeviceContext::create(*options, err, error);
    if (!context) {
        err << "gmousectl: " << error << "\n";
        return kExitUsage;
    }
    // A section rebuilt on the read is kept first in the default backup folder (a command that
    // keeps backups of its own sets its folder again).
    if (std::string unused; const auto backups = backupFolder(args, unused))
        context->workspace().setBackupFolder(*backups);
    int status = kExitOk;
    if (connect != Connect::No) {
        const device::Result connected = context->connect(connect);
        status = report(connected, err);
    }
    // What the command prints is held back until the virtual mouse's EEPROM is saved: a write
    // that did not persist must not be claimed.
    std::ostringstream said;
    if (status == kExitOk)
        status = body(*context, output == Output::AfterSave ? said : out, err);
    const std::string saveError = context->saveSimulation();
    if (!saveError.empty()) {
        err << "gmousectl: the virtual mouse's EEPROM was not saved, so nothing the command did "
               "was kept: "
            << saveError << "\n";
        return status == kExitOk ? kExitFailure : status;
    }
    out << said.str();
    return status;
}

}  // namespace gm::ctl
