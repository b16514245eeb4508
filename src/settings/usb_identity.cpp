#include "settings/usb_identity.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

#include "image/fields.h"
#include "settings/display.h"
#include "settings/live_write.h"

namespace gm::settings {
namespace {

constexpr std::size_t kProductTextAddress = image::kVendorProductTextOffset;

std::uint8_t clampedByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

bool printableAscii(char32_t code) {
    return code >= 0x20 && code <= 0x7E;
}

// The code point that starts `text` and its length in bytes; length 0 when the bytes there are
// not UTF-8.
std::pair<char32_t, std::size_t> firstCodePoint(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    if (length == 0 || length > text.size())
        return {lead, 0};
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return {lead, 0};
        code = code << 6 | (next & 0x3F);
    }
    return {code, length};
}

// "U+00E9": at least four upper-case hex digits.
std::string codeText(char32_t code) {
    std::string digits;
    for (; code != 0 || digits.size() < 4; code >>= 4)
        digits.insert(digits.begin(), "0123456789ABCDEF"[code & 0xF]);
    return "U+" + digits;
}

}  // namespace

UsbIdentity usbIdentityOf(const image::ImageModel& model) {
    const auto& vendor = model.copies.vendor;
    UsbIdentity identity;
    identity.vendorId = static_cast<std::uint16_t>(vendor[0] << 8 | vendor[1]);
    identity.productId = static_cast<std::uint16_t>(vendor[2] << 8 | vendor[3]);
    const auto text = vendor.begin() + static_cast<std::ptrdiff_t>(kProductTextAddress);
    identity.productText.assign(text, std::find(text, text + kProductTextLength, 0));
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

std::string productTextProblem(std::string_view text) {
    std::size_t characters = 0;
    while (!text.empty()) {
        ++characters;
        const auto [code, length] = firstCodePoint(text);
        const std::string where = "character " + std::to_string(characters) + " is ";
        if (length == 0) {
            return "the product text is not UTF-8: " + where + "the byte 0x" +
                   hexByte(static_cast<std::uint8_t>(code));
        }
        if (!printableAscii(code)) {
            return "the product text takes printable ASCII only (space to ~): " + where +
                   codeText(code) + (code < 0x20 || code == 0x7F ? ", a control character" : "");
        }
        text.remove_prefix(length);
    }
    if (characters > kProductTextLength) {
        return "the product text holds at most " + std::to_string(kProductTextLength) +
               " characters; this one has " + std::to_string(characters);
    }
    return {};
}

device::Result setProductText(device::Workspace& workspace, std::string_view text) {
    if (std::string problem = productTextProblem(text); !problem.empty()) {
        return device::Result::fail(device::Failure::InvalidRequest, device::Step::None,
                                    std::move(problem));
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
