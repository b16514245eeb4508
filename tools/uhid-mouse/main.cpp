// uhid-mouse: runs the virtual mouse's firmware behind /dev/uhid, so the kernel makes a real
// hidraw node for it (one interface with the pointer, keyboard and vendor collections) and the
// hidraw backend reaches it through the kernel, without the mouse.
//
//   uhid-mouse [--chip 4210A|4230A]
//
// Prints "ready <uniq>" once the kernel has started the device; its hidraw node is the one whose
// HID device's uevent says HID_UNIQ=<uniq>. Reads commands from standard input, one a line:
// "press cpi|cpi-up|cpi-down|profile" presses a status button, "quit" (or end of input, SIGINT,
// SIGTERM) removes the device and ends. After a restart command the device leaves the kernel
// for the mouse's restart time and comes back, as a real mouse re-enumerates.

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "device/clock.h"
#include "device/sim/report_descriptors.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "host/uhid/uhid_device.h"
#include "image/geometry.h"

namespace {

using namespace std::chrono_literals;
using gm::device::StatusButton;

constexpr auto kInputWait = 250ms;
constexpr auto kPresenceCheck = 100ms;
constexpr auto kLongestAbsence = 30s;

std::atomic<bool> stopRequested{false};

extern "C" void onStopSignal(int) {
    stopRequested = true;
}

std::optional<StatusButton> buttonNamed(const std::string& name) {
    if (name == "cpi")
        return StatusButton::Cpi;
    if (name == "cpi-up")
        return StatusButton::CpiUp;
    if (name == "cpi-down")
        return StatusButton::CpiDown;
    if (name == "profile")
        return StatusButton::Profile;
    return std::nullopt;
}

// One life of the device in the kernel: from create to destroy. Ends when asked to stop, or
// when the mouse leaves the bus (restart).
class KernelDevice {
public:
    KernelDevice(int uhidFd, gm::sim::VirtualBus& bus, gm::sim::VirtualMouse& mouse)
        : fd_(uhidFd), vendor_(bus.open(mouse.interfaces()[2].path).device) {}

    // False when the device could not be made.
    bool run(const gm::host::UhidIdentity& identity, gm::sim::VirtualMouse& mouse) {
        if (!vendor_) {
            return false;
        }
        gm::host::UhidDevice uhid(fd_, *vendor_);
        if (!uhid.create(identity, gm::sim::singleInterfaceReportDescriptor())) {
            std::cerr << "uhid-mouse: could not create the device: " << std::strerror(errno)
                      << "\n";
            return false;
        }
        std::atomic<bool> mouseLeft{false};
        std::thread input([&] {
            while (!stopRequested && !mouseLeft) {
                if (!uhid.forwardInput(kInputWait)) {
                    mouseLeft = true;
                }
            }
        });
        serve(uhid, identity, mouse, mouseLeft);
        mouseLeft = true;
        input.join();
        uhid.destroy();
        return true;
    }

private:
    void serve(gm::host::UhidDevice& uhid, const gm::host::UhidIdentity& identity,
               gm::sim::VirtualMouse& mouse, const std::atomic<bool>& mouseLeft) {
        bool inputOpen = true;
        while (!stopRequested && !mouseLeft) {
            pollfd waiting[2] = {{fd_, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
            const int ready =
                ::poll(waiting, inputOpen ? 2 : 1, static_cast<int>(kInputWait.count()));
            if (ready < 0 && errno != EINTR) {
                stopRequested = true;
            }
            if (ready <= 0) {
                continue;
            }
            if (waiting[0].revents != 0) {
                const auto event = uhid.handleEvent();
                if (event == gm::host::UhidEvent::Failed) {
                    stopRequested = true;
                } else if (event == gm::host::UhidEvent::Started) {
                    std::cout << "ready " << identity.uniq << std::endl;
                }
            }
            if (inputOpen && waiting[1].revents != 0) {
                inputOpen = handleCommand(mouse);
            }
        }
    }

    // One command line from standard input; false at its end.
    static bool handleCommand(gm::sim::VirtualMouse& mouse) {
        std::string line;
        if (!std::getline(std::cin, line) || line == "quit") {
            stopRequested = true;
            return false;
        }
        const std::string prefix = "press ";
        const auto button =
            line.rfind(prefix, 0) == 0 ? buttonNamed(line.substr(prefix.size())) : std::nullopt;
        if (button) {
            mouse.press(*button);
        } else if (!line.empty()) {
            std::cerr << "uhid-mouse: unknown command '" << line
                      << "' (press cpi|cpi-up|cpi-down|profile, quit)\n";
        }
        return true;
    }

    int fd_;
    std::shared_ptr<gm::hid::Device> vendor_;
};

// Waits until the mouse is back on the bus after a restart; false when asked to stop first.
bool waitForMouse(gm::sim::VirtualMouse& mouse) {
    for (auto waited = 0ms; waited < kLongestAbsence && !stopRequested; waited += kPresenceCheck) {
        if (mouse.present()) {
            return true;
        }
        std::this_thread::sleep_for(kPresenceCheck);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    gm::image::ChipType chip = gm::image::ChipType::Chip4210A;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto parsed =
            (arg == "--chip" && i + 1 < argc) ? gm::image::chipFromText(argv[++i]) : std::nullopt;
        if (!parsed) {
            std::cerr << "usage: uhid-mouse [--chip 4210A|4230A]\n";
            return 2;
        }
        chip = *parsed;
    }
    const int fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        std::cerr << "uhid-mouse: cannot open /dev/uhid: " << std::strerror(errno)
                  << " (modprobe uhid; it needs write access)\n";
        return 1;
    }
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);

    gm::device::SteadyClock clock;
    gm::sim::VirtualMouse mouse(clock, chip);
    gm::sim::VirtualBus bus;
    bus.attach(mouse);
    const gm::host::UhidIdentity identity{"gmouse virtual mouse",
                                          "gmouse-uhid-" + std::to_string(::getpid()),
                                          0x0003,
                                          gm::sim::VirtualMouse::kDefaultVendorId,
                                          gm::sim::VirtualMouse::kDefaultProductId,
                                          gm::sim::VirtualMouse::kDefaultVersion};
    int status = 0;
    while (!stopRequested) {
        KernelDevice device(fd, bus, mouse);
        if (!device.run(identity, mouse)) {
            status = 1;
            break;
        }
        if (!stopRequested && !waitForMouse(mouse)) {
            break;
        }
    }
    ::close(fd);
    return status;
}
