#pragma once
// A throw-away sysfs and /dev tree of hidraw nodes in a temporary folder, shaped like the
// kernel's: /sys/class/hidraw/hidrawN/device links to the HID device, which sits below a USB
// interface and a USB device (or elsewhere for other buses).

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace gm::host::testing {

class FakeHidrawTree {
public:
    FakeHidrawTree() {
        std::string pattern = (std::filesystem::temp_directory_path() / "gm-hidraw-XXXXXX");
        root_ = ::mkdtemp(pattern.data());
        std::filesystem::create_directories(classDir());
        std::filesystem::create_directories(devDir());
    }
    ~FakeHidrawTree() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    FakeHidrawTree(const FakeHidrawTree&) = delete;
    FakeHidrawTree& operator=(const FakeHidrawTree&) = delete;

    std::filesystem::path classDir() const { return root_ / "sys/class/hidraw"; }
    std::filesystem::path devDir() const { return root_ / "dev"; }

    // A HID device at `deviceDir` (relative to sys/devices) with the given uevent and report
    // descriptor, reached from node hidraw<number>; also creates /dev/hidraw<number>.
    std::filesystem::path addNode(int number, const std::string& deviceDir,
                                  const std::string& uevent,
                                  const std::vector<std::uint8_t>& descriptor) {
        const auto hidDevice = root_ / "sys/devices" / deviceDir;
        std::filesystem::create_directories(hidDevice);
        write(hidDevice / "uevent", uevent);
        write(hidDevice / "report_descriptor", std::string(descriptor.begin(), descriptor.end()));
        const auto node = classDir() / ("hidraw" + std::to_string(number));
        std::filesystem::create_directories(node);
        std::filesystem::create_directory_symlink(hidDevice, node / "device");
        write(devDir() / ("hidraw" + std::to_string(number)), "");
        return hidDevice;
    }

    // The USB device attributes at `usbDir` (relative to sys/devices).
    void addUsbDevice(const std::string& usbDir, const std::string& vendor,
                      const std::string& product, const std::string& release) {
        const auto dir = root_ / "sys/devices" / usbDir;
        std::filesystem::create_directories(dir);
        write(dir / "idVendor", vendor + "\n");
        write(dir / "idProduct", product + "\n");
        write(dir / "bcdDevice", release + "\n");
    }

    static void write(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

private:
    std::filesystem::path root_;
};

}  // namespace gm::host::testing
