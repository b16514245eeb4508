#include "device/hid/descriptor_items.h"

namespace gm::hid {

namespace {

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::size_t kLongItemHeaderSize = 3;  // prefix, data size, long item tag

}  // namespace

std::uint32_t DescriptorItem::unsignedValue() const {
    if (type == ItemType::Long) {
        return 0;
    }
    std::uint32_t value = 0;
    for (std::size_t i = data.size(); i > 0; --i) {
        value = (value << 8) | data[i - 1];
    }
    return value;
}

std::optional<DescriptorItem> DescriptorItemReader::fail(std::size_t offset,
                                                         const std::string& what) {
    error_ = "item at byte " + std::to_string(offset) + ": " + what;
    position_ = bytes_.size();
    return std::nullopt;
}

std::optional<DescriptorItem> DescriptorItemReader::next() {
    if (position_ >= bytes_.size()) {
        return std::nullopt;
    }
    const std::size_t start = position_;
    const std::size_t remaining = bytes_.size() - start;
    const std::uint8_t prefix = bytes_[start];

    DescriptorItem item;
    item.offset = start;
    std::size_t headerSize = 1;
    std::size_t dataSize = 0;
    if (prefix == kLongItemPrefix) {
        if (remaining < kLongItemHeaderSize) {
            return fail(start, "long item header is cut off by the end of the descriptor");
        }
        item.type = ItemType::Long;
        item.tag = bytes_[start + 2];
        headerSize = kLongItemHeaderSize;
        dataSize = bytes_[start + 1];
    } else {
        static constexpr std::size_t kShortDataSizes[] = {0, 1, 2, 4};
        item.type = static_cast<ItemType>((prefix >> 2) & 0x03);
        item.tag = static_cast<std::uint8_t>(prefix >> 4);
        dataSize = kShortDataSizes[prefix & 0x03];
    }
    if (remaining - headerSize < dataSize) {
        return fail(start, "needs " + std::to_string(dataSize) + " data bytes but only " +
                               std::to_string(remaining - headerSize) + " remain");
    }
    item.data = bytes_.subspan(start + headerSize, dataSize);
    position_ = start + headerSize + dataSize;
    return item;
}

}  // namespace gm::hid
