#include "device/hid/report_descriptor.h"

#include "image/hex_text.h"

#include <algorithm>
#include <map>
#include <utility>

#include "device/hid/descriptor_items.h"

namespace gm::hid {

namespace {

namespace main_tag {
constexpr std::uint8_t kInput = 0x8;
constexpr std::uint8_t kOutput = 0x9;
constexpr std::uint8_t kCollection = 0xA;
constexpr std::uint8_t kFeature = 0xB;
constexpr std::uint8_t kEndCollection = 0xC;
}  // namespace main_tag

namespace global_tag {
constexpr std::uint8_t kUsagePage = 0x0;
constexpr std::uint8_t kReportSize = 0x7;
constexpr std::uint8_t kReportId = 0x8;
constexpr std::uint8_t kReportCount = 0x9;
constexpr std::uint8_t kPush = 0xA;
constexpr std::uint8_t kPop = 0xB;
}  // namespace global_tag

namespace local_tag {
constexpr std::uint8_t kUsage = 0x0;
}  // namespace local_tag

constexpr std::uint64_t kMaxReportBits = kMaxReportDataBytes * 8;
// Real descriptors push at most a level or two; the bound keeps a hostile one from growing the
// stack with every byte.
constexpr std::size_t kMaxPushDepth = 16;

const char* kindName(ReportType kind) {
    switch (kind) {
        case ReportType::Input:
            return "input";
        case ReportType::Output:
            return "output";
        case ReportType::Feature:
            return "feature";
    }
    return "?";
}

std::string hexByte(std::uint32_t value) {
    return "0x" + image::hexText(value & 0xFF, 2);
}

// Global items: kept across main items, saved and restored by push and pop.
struct GlobalState {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

// Local items: cleared after every main item. Only the first usage matters here, as the usage
// of a collection.
struct LocalState {
    bool hasUsage = false;
    bool extendedUsage = false;  // 4-byte usage: the usage page is in its high 16 bits
    std::uint32_t usage = 0;
};

struct ReportBits {
    std::uint64_t bits = 0;
    std::size_t collection = 0;  // index of the top-level collection the report belongs to
};

class Parser {
public:
    ParsedDescriptor run(std::span<const std::uint8_t> descriptor) {
        ParsedDescriptor result;
        if (descriptor.empty()) {
            result.error = "the report descriptor is empty";
            return result;
        }
        DescriptorItemReader reader(descriptor);
        while (const auto item = reader.next()) {
            std::string error = handle(*item);
            if (!error.empty()) {
                result.error = "item at byte " + std::to_string(item->offset) + ": " + error;
                return result;
            }
        }
        if (!reader.error().empty()) {
            result.error = reader.error();
            return result;
        }
        result.error = finish();
        if (result.error.empty()) {
            result.ok = true;
            result.collections = std::move(collections_);
            result.reports = std::move(declared_);
        }
        return result;
    }

private:
    std::string handle(const DescriptorItem& item) {
        switch (item.type) {
            case ItemType::Main: {
                std::string error = onMain(item);
                local_ = LocalState{};
                return error;
            }
            case ItemType::Global:
                return onGlobal(item);
            case ItemType::Local:
                onLocal(item);
                return {};
            case ItemType::Reserved:
            case ItemType::Long:
                return {};  // no meaning defined for them; skipped
        }
        return {};
    }

    std::string onMain(const DescriptorItem& item) {
        switch (item.tag) {
            case main_tag::kInput:
                return addReportBits(ReportType::Input);
            case main_tag::kOutput:
                return addReportBits(ReportType::Output);
            case main_tag::kFeature:
                return addReportBits(ReportType::Feature);
            case main_tag::kCollection:
                openCollection();
                return {};
            case main_tag::kEndCollection:
                if (depth_ == 0) {
                    return "End Collection without an open collection";
                }
                --depth_;
                return {};
            default:
                return "unknown main item tag " + hexByte(item.tag);
        }
    }

    void openCollection() {
        if (depth_ == 0) {
            CollectionCaps caps;
            if (local_.extendedUsage) {
                caps.usagePage = static_cast<std::uint16_t>(local_.usage >> 16);
            } else {
                caps.usagePage = static_cast<std::uint16_t>(global_.usagePage);
            }
            caps.usage = static_cast<std::uint16_t>(local_.usage & 0xFFFF);
            collections_.push_back(caps);
        }
        ++depth_;
    }

    std::string addReportBits(ReportType kind) {
        if (depth_ == 0) {
            return std::string("an ") + kindName(kind) + " item outside any collection";
        }
        const std::size_t collection = collections_.size() - 1;
        const std::uint64_t bits = std::uint64_t{global_.reportSize} * global_.reportCount;
        if (bits == 0) {
            return {};
        }
        const auto [entry, added] =
            reports_.try_emplace({kind, global_.reportId}, ReportBits{0, collection});
        if (!added && entry->second.collection != collection) {
            return std::string(kindName(kind)) + " report " + hexByte(global_.reportId) +
                   " belongs to two top-level collections";
        }
        if (bits > kMaxReportBits - entry->second.bits) {
            return std::string(kindName(kind)) + " report " + hexByte(global_.reportId) +
                   " would be longer than " + std::to_string(kMaxReportDataBytes) + " bytes";
        }
        entry->second.bits += bits;
        return {};
    }

    std::string onGlobal(const DescriptorItem& item) {
        const std::uint32_t value = item.unsignedValue();
        switch (item.tag) {
            case global_tag::kUsagePage:
                if (value > 0xFFFF) {
                    return "usage page " + std::to_string(value) + " does not fit 16 bits";
                }
                global_.usagePage = value;
                return {};
            case global_tag::kReportSize:
                global_.reportSize = value;
                return {};
            case global_tag::kReportCount:
                global_.reportCount = value;
                return {};
            case global_tag::kReportId:
                if (value == 0 || value > 0xFF) {
                    return "report id " + std::to_string(value) + " is outside 1..255";
                }
                global_.reportId = static_cast<std::uint8_t>(value);
                return {};
            case global_tag::kPush:
                if (globalStack_.size() == kMaxPushDepth) {
                    return "Push nested deeper than " + std::to_string(kMaxPushDepth);
                }
                globalStack_.push_back(global_);
                return {};
            case global_tag::kPop:
                if (globalStack_.empty()) {
                    return "Pop without a matching Push";
                }
                global_ = globalStack_.back();
                globalStack_.pop_back();
                return {};
            default:
                if (item.tag > global_tag::kPop) {
                    return "unknown global item tag " + hexByte(item.tag);
                }
                return {};  // logical and physical ranges, units: no effect on lengths
        }
    }

    void onLocal(const DescriptorItem& item) {
        if (item.tag == local_tag::kUsage && !local_.hasUsage) {
            local_.hasUsage = true;
            local_.extendedUsage = item.data.size() == 4;
            local_.usage = item.unsignedValue();
        }
    }

    std::string finish() {
        if (depth_ != 0) {
            return std::to_string(depth_) + " collection(s) not closed at the end";
        }
        if (collections_.empty()) {
            return "the descriptor declares no collection";
        }
        const bool withoutId = std::any_of(reports_.begin(), reports_.end(),
                                           [](const auto& r) { return r.first.second == 0; });
        const bool withId = std::any_of(reports_.begin(), reports_.end(),
                                        [](const auto& r) { return r.first.second != 0; });
        if (withoutId && withId) {
            return "some reports have a report id and others have none";
        }
        for (const auto& [key, report] : reports_) {
            const std::size_t dataBytes = (report.bits + 7) / 8;
            declared_.push_back({key.first, key.second, dataBytes, report.collection});
            const auto length = static_cast<std::uint16_t>(dataBytes + 1);
            CollectionCaps& caps = collections_[report.collection];
            std::uint16_t& field = key.first == ReportType::Input    ? caps.inputReportByteLength
                                   : key.first == ReportType::Output ? caps.outputReportByteLength
                                                                     : caps.featureReportByteLength;
            field = std::max(field, length);
        }
        return {};
    }

    GlobalState global_;
    std::vector<GlobalState> globalStack_;
    LocalState local_;
    std::size_t depth_ = 0;
    std::vector<CollectionCaps> collections_;
    std::map<std::pair<ReportType, std::uint8_t>, ReportBits> reports_;
    std::vector<DeclaredReport> declared_;
};

}  // namespace

ParsedDescriptor parseReportDescriptor(std::span<const std::uint8_t> descriptor) {
    return Parser{}.run(descriptor);
}

std::optional<DeclaredReport> findReport(const ParsedDescriptor& parsed, ReportType type,
                                         std::uint8_t id) {
    const auto found = std::find_if(
        parsed.reports.begin(), parsed.reports.end(),
        [&](const DeclaredReport& report) { return report.type == type && report.id == id; });
    if (found == parsed.reports.end()) {
        return std::nullopt;
    }
    return *found;
}

std::optional<CollectionCaps> findCollectionWithFeatureLength(const ParsedDescriptor& parsed,
                                                              std::uint16_t length) {
    if (!parsed.ok) {
        return std::nullopt;
    }
    const auto found = std::find_if(
        parsed.collections.begin(), parsed.collections.end(),
        [length](const CollectionCaps& caps) { return caps.featureReportByteLength == length; });
    if (found == parsed.collections.end()) {
        return std::nullopt;
    }
    return *found;
}

}  // namespace gm::hid
