#pragma once
// How the mouse presents itself: the USB vendor and product id (Vendor 0..3), the USB product
// text (Vendor 111..126) and the manufacturer and product numbers (fire key area bytes 0 and 1).
// The mouse enumerates with new ids only after a restart, which these do not cause.
#include <cstdint>
#include <string>
#include <string_view>

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::settings {

enum class UsbId { Vendor, Product };
inline constexpr std::size_t kProductTextLength = 16;

struct UsbIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string productText;  // the stored bytes up to the first zero byte, as they are
    std::uint8_t manufacturerNumber = 0;
    std::uint8_t productNumber = 0;
};
UsbIdentity usbIdentityOf(const image::ImageModel& model);

// Exactly four hexadecimal digits write the id (high byte first); anything else is refused and
// sends nothing.
device::Result setUsbId(device::Workspace& workspace, UsbId which, std::string_view hexDigits);
// Why `text` (UTF-8) cannot be the product text, or empty when it can. The field stores one
// byte per character, so it takes printable ASCII (space to '~') and at most 16 characters; the
// first character it cannot store is named by its position (from 1) and code.
std::string productTextProblem(std::string_view text);
// Up to 16 characters, padded with zero bytes, sent as live writes of 3,3,3,3,3 and 1 bytes.
// A text productTextProblem() refuses is refused and sends nothing.
device::Result setProductText(device::Workspace& workspace, std::string_view text);
// Values above 255 become 255; both numbers are written with the fire key area's block write.
device::Result setProductNumbers(device::Workspace& workspace, int manufacturer, int product);

}  // namespace gm::settings
