#include "host/device_choice/device_choice.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "device/sim/eeprom_file.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "host/files/atomic_file_writer.h"
#include "host/hidraw/hidraw_backend.h"
#include "image/echoed_text.h"

namespace gm::host {

namespace {

// Locks `path` for this process (waiting while another holds it): the lock file beside it, so
// the EEPROM file itself can still be replaced by a rename. -1 with `error` set on failure.
int lockBeside(const std::filesystem::path& path, std::string& error) {
    const std::filesystem::path lockPath = path.string() + ".lock";
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = image::echoed(lockPath.string()) + ": cannot create the lock file (" +
                std::strerror(errno) + ")";
        return -1;
    }
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR)
            continue;
        error = image::echoed(lockPath.string()) + ": cannot lock (" + std::strerror(errno) + ")";
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::unique_ptr<DeviceChoice> DeviceChoice::create(const DeviceChoiceOptions& options,
                                                   std::string& error) {
    std::unique_ptr<DeviceChoice> choice(new DeviceChoice());
    choice->options_ = options;
    if (!options.simulate) {
        choice->backend_ = std::make_unique<HidrawBackend>();
        return choice;
    }
    std::optional<image::Image> eeprom;
    if (!options.simEeprom.empty()) {
        choice->lockFd_ = lockBeside(options.simEeprom, error);
        if (choice->lockFd_ < 0)
            return nullptr;
        std::error_code ec;
        if (std::filesystem::exists(options.simEeprom, ec)) {
            sim::EepromFileResult read = sim::readEepromFile(options.simEeprom);
            if (!read.image) {
                error = read.error;
                return nullptr;
            }
            eeprom = read.image;
        }
    }
    choice->mouse_ =
        eeprom ? std::make_unique<sim::VirtualMouse>(choice->clock_, options.simChip, *eeprom)
               : std::make_unique<sim::VirtualMouse>(choice->clock_, options.simChip);
    auto bus = std::make_unique<sim::VirtualBus>();
    bus->attach(*choice->mouse_);
    choice->backend_ = std::move(bus);
    return choice;
}

DeviceChoice::~DeviceChoice() {
    backend_.reset();
    mouse_.reset();
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

void DeviceChoice::armFaults(device::Workspace& workspace) {
    if (!mouse_ || !options_.faults.any())
        return;
    armStartFaults(*mouse_, options_.faults);
    auto identified = std::make_shared<bool>(false);
    workspace.changes().subscribe([this, identified](const device::session::Change& change) {
        if (change.kind != device::session::ChangeKind::Identified)
            return;
        armCountedFaults(*mouse_, options_.faults, !*identified);
        *identified = true;
    });
}

std::string DeviceChoice::saveSimulation() {
    if (!mouse_ || options_.simEeprom.empty())
        return {};
    AtomicFileWriter files;
    return files.write(options_.simEeprom, mouse_->eeprom());
}

}  // namespace gm::host
