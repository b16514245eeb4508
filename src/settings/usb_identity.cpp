#include "settings/usb_identity.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "image/fields.h"
#include "settings/display.h"
#include "settings/live_write.h"

namespace gm::settings {
namespace {

constexpr std::size_t kProductTextAddress = image::kVendorProductTextOffset;

std::uint8_t clampedByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

UsbIdentity usbIdentityOf(const image::ImageModel& model) {
    const auto& vendor = model.copies.vendor;
    UsbIdentity identity;
    identity.vendorId = static_cast<std::uint16_t>(vendor[0] << 8 | vendor[1]);
    identity.productId = static_cast<std::uint16_t>(vendor[2] << 8 | vendor[3]);
    identity.productText = productTextOf(
        std::span<const std::uint8_t>(vendor).subspan(kProductTextAddress, kProductTextLength));
    identity.manufacturerNumber = model.copies.fireKeys[0];
    identity.productNumber = model.copies.fireKeys[1];
    return identity;
}

device::Result setUsbId(device::Workspace& workspace, UsbId which, std::string_view hexDigits) {
    std::uint16_t id = 0;
    const bool fourDigits =
        hexDigits.size() == 4 && std::all_of(hexDigits.begin(), hexDigits.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        });
    if (!fourDigits) {
        return device::Result::fail(device::Failure::InvalidRequest, device::Step::None,
                                    "an id needs four hexadecimal digits");
    }
    std::from_chars(hexDigits.data(), hexDigits.data() + 4, id, 16);
    const std::size_t address =
        which == UsbId::Vendor ? image::fields::kUsbVendorId : image::fields::kUsbProductId;
    image::ImageModel& model = workspace.model();
    workingByte(model, address) = static_cast<std::uint8_t>(id >> 8);
    workingByte(model, address + 1) = static_cast<std::uint8_t>(id & 0xFF);
    return writeLive(workspace, address, 2);
}

device::Result setProductText(device::Workspace& workspace, std::string_view text) {
    if (text.size() > kProductTextLength) {
        return device::Result::fail(device::Failure::InvalidRequest, device::Step::None,
                                    "the product text holds at most 16 characters");
    }
    image::ImageModel& model = workspace.model();
    for (std::size_t i = 0; i < kProductTextLength; ++i) {
        workingByte(model, kProductTextAddress + i) =
            i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0};
    }
    return writeLive(workspace, kProductTextAddress, kProductTextLength);
}

device::Result setProductNumbers(device::Workspace& workspace, int manufacturer, int product) {
    auto& fireKeys = workspace.model().copies.fireKeys;
    fireKeys[0] = clampedByte(manufacturer);
    fireKeys[1] = clampedByte(product);
    return writeArea(workspace, image::kFireKeys, device::Step::WriteFireKeys);
}

}  // namespace gm::settings
