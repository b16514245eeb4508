#include "host/hidraw/sysfs_hidraw.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>

namespace gm::host {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNodePrefix = "hidraw";
// Sysfs attributes are a page at most; a report descriptor at most 4 KiB. Anything longer is
// not what we expect and is not read in full.
constexpr std::size_t kMaxAttributeBytes = std::size_t{64} * 1024;

std::optional<std::string> readAttribute(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text(kMaxAttributeBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad() || static_cast<std::size_t>(in.gcount()) > kMaxAttributeBytes) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

std::optional<std::uint32_t> parseHex(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.remove_suffix(1);
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint32_t> readHexAttribute(const fs::path& path) {
    const auto text = readAttribute(path);
    return text ? parseHex(*text) : std::nullopt;
}

std::optional<std::uint32_t> nodeNumber(std::string_view name) {
    if (!name.starts_with(kNodePrefix) || name.size() == kNodePrefix.size()) {
        return std::nullopt;
    }
    name.remove_prefix(kNodePrefix.size());
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (error != std::errc{} || end != name.data() + name.size()) {
        return std::nullopt;
    }
    return number;
}

// The release number (bcdDevice) of the USB device above a USB HID device: the HID device sits
// below the USB interface, which sits below the USB device. The ids must agree, so a HID device
// on another bus never picks up the number of an unrelated USB device above it.
std::uint16_t usbRelease(const fs::path& hidDeviceLink, const HidId& id) {
    if (id.bus != kBusUsb) {
        return 0;
    }
    std::error_code error;
    const fs::path hidDevice = fs::canonical(hidDeviceLink, error);
    if (error) {
        return 0;
    }
    const fs::path usbDevice = hidDevice.parent_path().parent_path();
    const auto vendor = readHexAttribute(usbDevice / "idVendor");
    const auto product = readHexAttribute(usbDevice / "idProduct");
    const auto release = readHexAttribute(usbDevice / "bcdDevice");
    if (!vendor || !product || !release || *vendor != id.vendorId || *product != id.productId ||
        *release > 0xFFFF) {
        return 0;
    }
    return static_cast<std::uint16_t>(*release);
}

}  // namespace

std::vector<std::string> listHidrawNodes(const fs::path& classDir) {
    std::vector<std::pair<std::uint32_t, std::string>> nodes;
    std::error_code error;
    for (fs::directory_iterator it(classDir, error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        if (const auto number = nodeNumber(name)) {
            nodes.emplace_back(*number, std::move(name));
        }
    }
    std::sort(nodes.begin(), nodes.end());
    std::vector<std::string> names;
    names.reserve(nodes.size());
    for (auto& node : nodes) {
        names.push_back(std::move(node.second));
    }
    return names;
}

std::optional<HidId> parseHidId(std::string_view uevent) {
    constexpr std::string_view kKey = "HID_ID=";
    for (std::size_t start = 0; start < uevent.size();) {
        const std::size_t stop = std::min(uevent.find('\n', start), uevent.size());
        std::string_view line = uevent.substr(start, stop - start);
        start = stop + 1;
        if (!line.starts_with(kKey)) {
            continue;
        }
        line.remove_prefix(kKey.size());
        const std::size_t first = line.find(':');
        const std::size_t second = line.find(':', first == line.npos ? first : first + 1);
        if (second == line.npos) {
            return std::nullopt;
        }
        const auto bus = parseHex(line.substr(0, first));
        const auto vendor = parseHex(line.substr(first + 1, second - first - 1));
        const auto product = parseHex(line.substr(second + 1));
        if (!bus || !vendor || !product || *bus > 0xFFFF) {
            return std::nullopt;
        }
        // The kernel keeps 32-bit ids; USB and Bluetooth ids are the low 16 bits.
        return HidId{static_cast<std::uint16_t>(*bus), static_cast<std::uint16_t>(*vendor),
                     static_cast<std::uint16_t>(*product)};
    }
    return std::nullopt;
}

hid::InterfaceInfo readHidrawNode(const fs::path& classDir, const std::string& name,
                                  const std::string& devicePath) {
    hid::InterfaceInfo info;
    info.path = devicePath;
    const fs::path hidDevice = classDir / name / "device";
    const auto uevent = readAttribute(hidDevice / "uevent");
    if (const auto id = uevent ? parseHidId(*uevent) : std::nullopt) {
        info.vendorId = id->vendorId;
        info.productId = id->productId;
        info.version = usbRelease(hidDevice, *id);
    }
    if (const auto descriptor = readAttribute(hidDevice / "report_descriptor")) {
        info.reportDescriptor.assign(descriptor->begin(), descriptor->end());
    }
    return info;
}

}  // namespace gm::host
