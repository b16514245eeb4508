#include "settings/device_options.h"

#include <algorithm>
#include <string>

#include "settings/display.h"
#include "settings/live_write.h"

namespace gm::settings {
namespace {

const std::vector<std::string_view> kOnOff{"Disable", "Enable"};
const std::vector<std::uint8_t> kBit{0, 1};
const std::vector<std::uint8_t> kTwoBits{0, 1, 2, 3};

std::uint8_t fieldMask(const OptionField& field) {
    return static_cast<std::uint8_t>(((1 << field.width) - 1) << field.shift);
}

}  // namespace

const std::vector<OptionField>& optionFields() {
    static const std::vector<OptionField> kFields{
        {"chip-type", 4, 6, 2, {"4200", "4200", "4210", "4220/4210"}, kTwoBits},
        {"sensor-enhance", 4, 3, 1, kOnOff, kBit},
        {"package", kPackageAddress, kPackageBit, 1, {"A-Tech LED", "RGB LED"}, kBit},
        {"key-matrix", 5, 6, 1, {"IO", "Multi Key"}, kBit},
        {"cpi-indication", 5, 4, 2, {"No Indication", "Fade", "Flash"}, {1, 2, 3}},
        {"cpi-set",
         5,
         2,
         2,
         {"800,1200,1600,2400", "600,1200,2400,4800", "1000,2400,3200,6000", "400,800,1600,2400"},
         {3, 2, 1, 0}},
        {"cpi-start-level", 5, 0, 2, {"1st", "4th", "3rd", "2nd"}, kTwoBits},
        {"sensor-rotation", 6, 6, 2, {"270", "180", "90", "0"}, kTwoBits},
        {"cpi-prescaler", 6, 4, 2, {"1.00x", "1.12x", "1.25x", "1.33x"}, {3, 1, 2, 0}},
        {"fire-key-rate", 6, 2, 2, {"Random", "3Hz", "4Hz", "5Hz"}, kTwoBits},
        {"fire-key-count", 6, 0, 2, {"Continue", "4 times", "3 times", "2 times"}, kTwoBits},
        {"led-ctrl0", 7, 7, 1, {"open drain", "drive high"}, kBit},
        {"led-ctrl1", 7, 6, 1, {"high active", "low active"}, kBit},
        {"led-mode-fuse",
         7,
         4,
         2,
         {"1/F3(ZK LED)", "2/F2(ZK LED)", "5/F1(ZK LED)", "4/2(28s Sync LED)"},
         kTwoBits},
        {"combo-key-time", 7, 3, 1, {"2s", "3s"}, kBit},
        {"usb-cdr", 7, 2, 1, {"CDR2", "CDR1"}, kBit},
        {"sensor-sleep", 7, 1, 1, {"Enable", "Disable"}, kBit},
        {"led-power", 7, 0, 1, {"drive high", "open drain"}, kBit},
        {"eft-rely-nak", 8, 3, 1, kOnOff, kBit},
        {"eft-relug", 8, 2, 1, kOnOff, kBit},
        {"keep-profile-info", 8, 1, 1, kOnOff, kBit},
        {"profile-led-flash", 8, 0, 1, kOnOff, kBit},
    };
    return kFields;
}

const OptionField* optionNamed(std::string_view name) {
    for (const OptionField& field : optionFields()) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

std::size_t optionItemOf(const OptionField& field, const image::ImageModel& model) {
    const auto bits = static_cast<std::uint8_t>(
        (model.copies.vendor[field.address] & fieldMask(field)) >> field.shift);
    const auto found = std::find(field.values.begin(), field.values.end(), bits);
    // Only the CPI indication lacks a value (00): it reads as its first item.
    return found == field.values.end() ? 0 : static_cast<std::size_t>(found - field.values.begin());
}

std::optional<std::size_t> optionItemNamed(const OptionField& field, std::string_view text) {
    for (std::size_t i = 0; i < field.items.size(); ++i) {
        if (sameName(text, field.items[i]))
            return i;
    }
    return std::nullopt;
}

device::Result setOption(device::Workspace& workspace, const OptionField& field, std::size_t item) {
    if (item >= field.items.size()) {
        return device::Result::fail(device::Failure::InvalidRequest, device::Step::None,
                                    std::string(field.name));
    }
    image::ImageModel& model = workspace.model();
    std::uint8_t& byte = workingByte(model, field.address);
    byte =
        static_cast<std::uint8_t>((byte & ~fieldMask(field)) | field.values[item] << field.shift);
    device::Result written = writeLive(workspace, field.address, 1);
    if (field.address == kPackageAddress)
        model.packageItem = (model.copies.vendor[kPackageAddress] >> kPackageBit) & 1;
    return written;
}

}  // namespace gm::settings
