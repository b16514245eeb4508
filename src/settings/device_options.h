#pragma once
// The option map of Vendor 4..8: small bit fields for the hardware and behaviour options, each
// chosen from a list of items. A change rewrites only its field and sends the whole byte; the
// bits no field owns (Vendor 4 bits 2-0, Vendor 8 bits 7-4) keep what the mouse holds.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::settings {

inline constexpr std::size_t kReportRateAddress = 4;  // bits 5-4
inline constexpr std::size_t kPackageAddress = 5;     // bit 7
inline constexpr int kPackageBit = 7;

struct OptionField {
    std::string_view name;  // as gmousectl takes it, e.g. "sensor-rotation"
    std::size_t address;
    int shift;
    int width;  // 1 or 2 bits
    std::vector<std::string_view> items;
    std::vector<std::uint8_t> values;  // stored value of each item
};

// Every field of Vendor 4..8 except the report rate (report_rate.h), in byte and bit order.
const std::vector<OptionField>& optionFields();
const OptionField* optionNamed(std::string_view name);
// The item a field's bits select (the first whose value matches; CPI indication 00 reads as
// "No Indication"), from the working copy.
std::size_t optionItemOf(const OptionField& field, const image::ImageModel& model);
// The item of `text` (letters compared without case, spaces ignored), or nullopt.
std::optional<std::size_t> optionItemNamed(const OptionField& field, std::string_view text);
// Sets the field to `item` and writes its byte. The package field also sets the package item.
device::Result setOption(device::Workspace& workspace, const OptionField& field, std::size_t item);

}  // namespace gm::settings
