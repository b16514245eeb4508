#pragma once
// Reads the report lengths of each top-level collection out of a HID report descriptor, the way
// the Windows capability call reports them, so every backend describes interfaces alike.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gm::hid {

struct CollectionCaps {  // one top-level (application) collection
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    // Longest report of each kind in the collection, in bytes, plus 1 for the report id byte
    // (also when the descriptor uses no report ids); 0 when the collection has none.
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
};

enum class ReportType : std::uint8_t { Input, Output, Feature };

struct DeclaredReport {  // one report of the descriptor
    ReportType type = ReportType::Input;
    std::uint8_t id = 0;         // 0 when the descriptor uses no report ids
    std::size_t dataBytes = 0;   // bytes after the report id byte
    std::size_t collection = 0;  // index into ParsedDescriptor::collections
};

struct ParsedDescriptor {
    std::vector<CollectionCaps> collections;  // in descriptor order; empty when !ok
    std::vector<DeclaredReport> reports;      // by type, then id; empty when !ok
    bool ok = false;
    std::string error;  // what was wrong when !ok (truncated item, bad nesting, ...)
};

// Longest report the parser accepts, in data bytes (the hidraw transfer limit).
inline constexpr std::size_t kMaxReportDataBytes = 16384;

ParsedDescriptor parseReportDescriptor(std::span<const std::uint8_t> descriptor);

// The report of this type and id, if the descriptor declares it.
std::optional<DeclaredReport> findReport(const ParsedDescriptor& parsed, ReportType type,
                                         std::uint8_t id);

// The collection whose feature report length equals `length`, if any (the mouse's vendor
// collection has 8-byte feature reports). The first one in descriptor order wins.
std::optional<CollectionCaps> findCollectionWithFeatureLength(const ParsedDescriptor& parsed,
                                                              std::uint16_t length);

}  // namespace gm::hid
