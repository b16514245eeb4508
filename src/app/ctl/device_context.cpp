#include "app/ctl/device_context.h"

#include "app/ctl/printing_presenter.h"
#include "image/hex_text.h"

#include <charconv>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "device/clock.h"
#include "device/presenter.h"
#include "device/sim/eeprom_file.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "device/trace.h"
#include "host/hidraw/hidraw_backend.h"

namespace gm::ctl {

const char* const kDeviceOptionsHelp =
    "Device options:\n"
    "  --simulate[=4210A|4230A]  use the virtual mouse (default chip 4210A)\n"
    "  --sim-eeprom FILE         the virtual mouse's EEPROM: loaded from FILE when it exists\n"
    "                            (else the chip's factory image Cfg1), saved back on exit\n"
    "  --sim-fault KIND          refuse-command, refuse-data=N, vanish-after=N, bad-identify;\n"
    "                            repeatable or comma-separated. Counts start once the mouse is\n"
    "                            open and identified\n"
    "  --trace                   every report on standard error, one line each\n"
    "Without --simulate the mouse is reached through its hidraw node.\n";

namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::optional<int> positiveCount(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 1)
        return std::nullopt;
    return value;
}

// One KIND of --sim-fault into `faults`; false with `error` set when unknown.
bool addFault(const std::string& kind, SimFaults& faults, std::string& error) {
    if (kind == "refuse-command") {
        faults.refuseCommand = true;
        return true;
    }
    if (kind == "bad-identify") {
        faults.badIdentify = true;
        return true;
    }
    for (auto [prefix, target] : {std::pair{"refuse-data=", &faults.refuseDataFrom},
                                  std::pair{"vanish-after=", &faults.vanishAfter}}) {
        if (startsWith(kind, prefix)) {
            const auto count = positiveCount(kind.substr(std::string(prefix).size()));
            if (!count) {
                error = "--sim-fault " + kind + ": N must be a whole number of 1 or more";
                return false;
            }
            *target = *count;
            return true;
        }
    }
    error = "unknown --sim-fault '" + kind +
            "' (refuse-command, refuse-data=N, vanish-after=N, bad-identify)";
    return false;
}

bool addFaults(const std::string& list, SimFaults& faults, std::string& error) {
    std::istringstream kinds(list);
    std::string kind;
    bool any = false;
    while (std::getline(kinds, kind, ',')) {
        if (kind.empty())
            continue;
        if (!addFault(kind, faults, error))
            return false;
        any = true;
    }
    if (!any)
        error = "--sim-fault needs a KIND";
    return any;
}

}  // namespace

OptionList withDeviceOptions(OptionList own) {
    OptionList options{{{"--simulate"}, OptionValue::Optional},
                       {{"--sim-eeprom"}, OptionValue::Required},
                       {{"--sim-fault"}, OptionValue::Required, true},
                       {{"--trace"}, OptionValue::None}};
    options.insert(options.end(), own.begin(), own.end());
    return options;
}

std::optional<DeviceOptions> deviceOptionsOf(const ParsedArgs& args, std::string& error) {
    DeviceOptions options;
    if (const auto chipText = args.value("--simulate")) {
        options.simulate = true;
        if (!chipText->empty()) {
            const auto chip = image::chipFromText(*chipText);
            if (!chip) {
                error = "unknown chip in --simulate=" + *chipText + " (4210A or 4230A)";
                return std::nullopt;
            }
            options.simChip = *chip;
        }
    }
    options.trace = args.has("--trace");
    options.simEeprom = args.value("--sim-eeprom").value_or("");
    for (const std::string& kinds : args.values("--sim-fault")) {
        if (!addFaults(kinds, options.faults, error))
            return std::nullopt;
    }
    if (!options.simulate && (args.has("--sim-eeprom") || args.has("--sim-fault"))) {
        error = "--sim-eeprom and --sim-fault need --simulate";
        return std::nullopt;
    }
    return options;
}

DeviceContext::DeviceContext(const DeviceOptions& options)
    : options_(options), clock_(std::make_unique<device::SteadyClock>()) {}

DeviceContext::~DeviceContext() = default;

std::unique_ptr<DeviceContext> DeviceContext::create(const DeviceOptions& options,
                                                     std::ostream& err, std::string& error) {
    std::unique_ptr<DeviceContext> context(new DeviceContext(options));
    if (options.simulate) {
        auto bus = std::make_unique<sim::VirtualBus>();
        std::error_code ec;
        if (!options.simEeprom.empty() && std::filesystem::exists(options.simEeprom, ec)) {
            const sim::EepromFileResult read = sim::readEepromFile(options.simEeprom);
            if (!read.image) {
                error = read.error;
                return nullptr;
            }
            context->mouse_ =
                std::make_unique<sim::VirtualMouse>(*context->clock_, options.simChip, *read.image);
        } else {
            context->mouse_ =
                std::make_unique<sim::VirtualMouse>(*context->clock_, options.simChip);
        }
        bus->attach(*context->mouse_);
        context->backend_ = std::move(bus);
    } else {
        context->backend_ = std::make_unique<host::HidrawBackend>();
    }
    context->presenter_ = std::make_unique<PrintingPresenter>(err);
    context->transport_ =
        std::make_unique<device::Transport>(*context->backend_, *context->clock_, context->timing_);
    context->protocol_ = std::make_unique<device::CommandProtocol>(
        *context->transport_, *context->clock_, context->timing_, *context->presenter_);
    if (options.trace) {
        context->transport_->setTrace(
            [&err](device::ReportKind kind, std::span<const std::uint8_t> bytes) {
                err << device::formatTraceLine(kind, bytes) << "\n";
            });
    }
    return context;
}

bool DeviceContext::openMouse(std::string& error) {
    const device::OpenMouseResult opened =
        transport_->openMouse(device::kMouseIdentity.vendorId, device::kMouseIdentity.productId);
    if (!opened.found) {
        error = !opened.problem.empty()
                    ? opened.problem
                    : "no mouse found (vendor id 0x" +
                          image::hexText(device::kMouseIdentity.vendorId, 4) + ", product id 0x" +
                          image::hexText(device::kMouseIdentity.productId, 4) + ")";
        return false;
    }
    if (!transport_->hasCommandChannel() || !transport_->hasDataChannel()) {
        error = "the mouse was found but refused the command or data report probe";
        return false;
    }
    if (mouse_ && options_.faults.badIdentify)
        mouse_->setBadIdentify(true);
    const auto answer = protocol_->identify();
    if (!answer) {
        error = "the mouse refused the identify command";
        return false;
    }
    if (protocol_->lastRefusedReports() > 0) {
        error = "the mouse did not answer the identify command";
        return false;
    }
    if (!answer->valid()) {
        error = "the mouse's identify answer is not valid (byte 1 is 0x" +
                image::hexText(answer->payload[1], 2) + ", expected 0x3A)";
        return false;
    }
    chip_ = image::chipFromIdentify(answer->payload[0]);
    version_ = opened.version;
    armFaults();
    return true;
}

void DeviceContext::armFaults() {
    if (!mouse_)
        return;
    const SimFaults& faults = options_.faults;
    if (faults.refuseCommand)
        mouse_->refuseCommands(true);
    if (faults.refuseDataFrom > 0)
        mouse_->refuseDataFrom(faults.refuseDataFrom);
    if (faults.vanishAfter > 0)
        mouse_->vanishAfter(faults.vanishAfter);
}

std::string DeviceContext::saveSimulation() {
    if (!mouse_ || options_.simEeprom.empty())
        return {};
    return sim::writeEepromFile(options_.simEeprom, mouse_->eeprom());
}

int runDeviceCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err, bool needsMouse,
                     const DeviceCommandBody& body) {
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
    int status = kExitOk;
    if (needsMouse && !context->openMouse(error)) {
        err << "gmousectl: " << error << "\n";
        status = kExitFailure;
    } else {
        status = body(*context, out, err);
    }
    const std::string saveError = context->saveSimulation();
    if (!saveError.empty()) {
        err << "gmousectl: the virtual mouse's EEPROM was not saved: " << saveError << "\n";
        if (status == kExitOk)
            status = kExitFailure;
    }
    return status;
}

}  // namespace gm::ctl
