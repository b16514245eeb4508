// gm-umockdev-mouse: runs a command inside a umockdev testbed that holds the virtual mouse as
// the kernel shows it (sysfs devices and hidraw nodes), so the hidraw backend reaches the
// virtual firmware through its real open/ioctl/read/poll calls, without the mouse, root or
// /dev/uhid.
//
//   gm-umockdev-mouse [--chip 4210A|4230A] [--eeprom FILE] [--split] [--fault KIND]...
//                     [--record FILE] -- COMMAND [ARG]...
//
// --eeprom keeps the mouse's EEPROM in FILE (read when it exists, written back at the end), as
// gmousectl --sim-eeprom does. --split shows the mouse as three interfaces (pointer, keyboard
// with the command reports, status) instead of one. --fault injects what gmousectl --sim-fault
// names (refuse-command, refuse-data=N, vanish-after=N, bad-identify). --record writes every
// report the mouse saw to FILE, one line each as gmousectl --trace prints them.
//
// COMMAND runs with the testbed's preload library and $UMOCKDEV_DIR, its standard input
// /dev/null. The tool's own standard input takes "press cpi|cpi-up|cpi-down|profile", one a
// line. After a restart command the nodes leave the testbed for the mouse's restart time and
// come back. Exits with COMMAND's status.

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "device/sim/report_descriptors.h"
#include "device/sim/virtual_mouse.h"
#include "device/trace.h"
#include "host/device_choice/device_choice.h"
#include "mouse_faults.h"
#include "mouse_testbed.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using gm::device::StatusButton;
using gm::umockdev_mouse::MouseTestbed;

constexpr auto kInputWait = 250ms;
constexpr int kPresenceCheckMs = 50;
constexpr const char* kUsage =
    "usage: gm-umockdev-mouse [--chip 4210A|4230A] [--eeprom FILE] [--split] [--fault KIND]...\n"
    "                         [--record FILE] -- COMMAND [ARG]...\n";

struct Options {
    gm::host::DeviceChoiceOptions mouse;
    bool split = false;
    std::string record;
    std::vector<std::string> command;
};

std::optional<Options> parse(int argc, char** argv) {
    Options options;
    options.mouse.simulate = true;
    std::vector<std::string> faults;
    int i = 1;
    for (; i < argc && std::string(argv[i]) != "--"; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--split") {
            options.split = true;
        } else if (arg == "--chip" && hasValue) {
            const auto chip = gm::image::chipFromText(argv[++i]);
            if (!chip) {
                return std::nullopt;
            }
            options.mouse.simChip = *chip;
        } else if (arg == "--eeprom" && hasValue) {
            options.mouse.simEeprom = argv[++i];
        } else if (arg == "--record" && hasValue) {
            options.record = argv[++i];
        } else if (arg == "--fault" && hasValue) {
            faults.emplace_back(argv[++i]);
        } else {
            return std::nullopt;
        }
    }
    for (++i; i < argc; ++i) {
        options.command.emplace_back(argv[i]);
    }
    std::string error;
    const auto parsed = gm::host::parseSimFaults(faults, error);
    if (!parsed) {
        std::cerr << "gm-umockdev-mouse: " << error << "\n";
        return std::nullopt;
    }
    options.mouse.faults = *parsed;
    if (options.command.empty()) {
        return std::nullopt;
    }
    return options;
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

// One press command line from standard input; false at its end.
bool handleCommand(gm::sim::VirtualMouse& mouse) {
    std::string line;
    if (!std::getline(std::cin, line)) {
        return false;
    }
    const std::string prefix = "press ";
    const auto button =
        line.rfind(prefix, 0) == 0 ? buttonNamed(line.substr(prefix.size())) : std::nullopt;
    if (button) {
        mouse.press(*button);
    } else if (!line.empty()) {
        std::cerr << "gm-umockdev-mouse: unknown command '" << line
                  << "' (press cpi|cpi-up|cpi-down|profile)\n";
    }
    return true;
}

// Starts COMMAND with the testbed's preload library in front of any the caller set.
pid_t spawn(const std::vector<std::string>& command) {
    std::vector<std::string> environment;
    std::string preload = "LD_PRELOAD=libumockdev-preload.so.0";
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("LD_PRELOAD=", 0) == 0) {
            preload += ':';
            preload += text.substr(std::strlen("LD_PRELOAD="));
        } else {
            environment.push_back(text);
        }
    }
    environment.push_back(preload);
    std::vector<char*> envp;
    for (auto& text : environment) {
        envp.push_back(text.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> args = command;
    std::vector<char*> argp;
    for (auto& text : args) {
        argp.push_back(text.data());
    }
    argp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::cerr << "gm-umockdev-mouse: cannot run " << command[0] << ": " << std::strerror(error)
                  << "\n";
        return -1;
    }
    return pid;
}

int exitStatusOf(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : 1;
}

// The mouse on the testbed for one stay on the bus: the nodes served by a handle of its vendor
// interface, and the thread that passes its input reports to them. The thread writes to `wake`
// when the handle dies (the mouse left the bus).
class Stay {
public:
    Stay(MouseTestbed& testbed, std::shared_ptr<gm::hid::Device> vendor, int wake)
        : testbed_(testbed), vendor_(std::move(vendor)) {
        input_ = std::thread([this, wake] {
            std::array<std::uint8_t, 64> buffer{};
            while (!stop_) {
                const gm::hid::ReadResult read = vendor_->readInput(buffer, kInputWait);
                if (read.status == gm::hid::ReadStatus::Ok) {
                    testbed_.deliver(std::span(buffer.data(), read.length));
                } else if (read.status == gm::hid::ReadStatus::Error) {
                    const char gone = 'g';
                    (void)!::write(wake, &gone, 1);
                    break;
                }
            }
        });
    }
    ~Stay() {
        stop_ = true;
        input_.join();
        testbed_.unplug();
    }
    Stay(const Stay&) = delete;
    Stay& operator=(const Stay&) = delete;

private:
    MouseTestbed& testbed_;
    std::shared_ptr<gm::hid::Device> vendor_;
    std::atomic<bool> stop_{false};
    std::thread input_;
};

}  // namespace

int main(int argc, char** argv) {
    const auto options = parse(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    std::string error;
    auto choice = gm::host::DeviceChoice::create(options->mouse, error);
    if (!choice) {
        std::cerr << "gm-umockdev-mouse: " << error << "\n";
        return 1;
    }
    gm::sim::VirtualMouse& mouse = *choice->simulatedMouse();
    std::ofstream record;
    if (!options->record.empty()) {
        record.open(options->record, std::ios::trunc);
        mouse.setTrace([&record](gm::device::ReportKind kind, std::span<const std::uint8_t> bytes) {
            record << gm::device::formatTraceLine(kind, bytes) << std::endl;
        });
    }
    gm::host::armStartFaults(mouse, options->mouse.faults);

    gm::umockdev_mouse::MouseIdentity identity{gm::sim::VirtualMouse::kDefaultVendorId,
                                               gm::sim::VirtualMouse::kDefaultProductId,
                                               gm::sim::VirtualMouse::kDefaultVersion,
                                               {}};
    if (options->split) {
        identity.descriptors = {gm::sim::pointerReportDescriptor(),
                                gm::sim::keyboardWithCommandReportsDescriptor(),
                                gm::sim::statusReportDescriptor()};
    } else {
        identity.descriptors = {gm::sim::singleInterfaceReportDescriptor()};
    }
    MouseTestbed testbed(identity);
    if (!testbed.error().empty()) {
        std::cerr << "gm-umockdev-mouse: " << testbed.error() << "\n";
        return 1;
    }
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::cerr << "gm-umockdev-mouse: " << std::strerror(errno) << "\n";
        return 1;
    }

    // Puts the mouse on the testbed while it is on the bus.
    std::unique_ptr<Stay> stay;
    auto follow = [&]() -> bool {
        if (stay || !mouse.present()) {
            return true;
        }
        auto opened = choice->backend().open(mouse.interfaces()[2].path);
        if (!opened.device) {
            return true;  // left the bus again meanwhile
        }
        auto vendor = std::make_shared<gm::umockdev_mouse::FaultArmingDevice>(
            opened.device, mouse, options->mouse.faults);
        if (!testbed.plugIn(vendor)) {
            std::cerr << "gm-umockdev-mouse: " << testbed.error() << "\n";
            return false;
        }
        stay = std::make_unique<Stay>(testbed, vendor, wake[1]);
        return true;
    };
    if (!follow()) {
        return 1;
    }
    const pid_t child = spawn(options->command);
    if (child < 0) {
        return 127;
    }
    const int childFd = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
    bool inputOpen = true;
    int status = 0;
    for (;;) {
        pollfd waiting[3] = {{childFd, POLLIN, 0}, {wake[0], POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const int timeout = stay ? -1 : kPresenceCheckMs;
        const int ready = ::poll(waiting, inputOpen ? 3 : 2, timeout);
        if (ready < 0 && errno != EINTR) {
            break;
        }
        if (waiting[1].revents != 0) {
            char drained[16];
            while (::read(wake[0], drained, sizeof(drained)) > 0) {
            }
            stay.reset();
        }
        if (inputOpen && waiting[2].revents != 0) {
            inputOpen = handleCommand(mouse);
        }
        if (!follow()) {
            ::kill(child, SIGTERM);
        }
        if (waiting[0].revents != 0 || childFd < 0) {
            break;
        }
    }
    ::waitpid(child, &status, 0);
    stay.reset();
    const std::string saveError = choice->saveSimulation();
    if (!saveError.empty()) {
        std::cerr << "gm-umockdev-mouse: " << saveError << "\n";
        return 1;
    }
    return exitStatusOf(status);
}
