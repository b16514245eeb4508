#pragma once
// What sysfs tells about hidraw nodes without opening them: which nodes exist, the bus and ids
// of their HID device, its report descriptor, and the USB device's release number.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid/hid_backend.h"

namespace gm::host {

struct HidId {
    std::uint16_t bus = 0;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

inline constexpr std::uint16_t kBusUsb = 0x0003;

// The names of the hidraw nodes in a class folder such as /sys/class/hidraw ("hidraw0", ...),
// in node-number order; empty when the folder does not exist.
std::vector<std::string> listHidrawNodes(const std::filesystem::path& classDir);

// The HID_ID line of a HID device's uevent ("HID_ID=0003:00007A3E:000008B8").
std::optional<HidId> parseHidId(std::string_view uevent);

// Everything sysfs tells about node `name` of `classDir`; `devicePath` becomes the path. Parts
// sysfs does not give stay empty or 0.
hid::InterfaceInfo readHidrawNode(const std::filesystem::path& classDir, const std::string& name,
                                  const std::string& devicePath);

}  // namespace gm::host
