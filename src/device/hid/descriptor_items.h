#pragma once
// Splits a HID report descriptor into its items (short and long), never reading past the end.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace gm::hid {

enum class ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3, Long = 4 };

struct DescriptorItem {
    ItemType type = ItemType::Main;
    std::uint8_t tag = 0;
    std::size_t offset = 0;  // of the item's first byte in the descriptor
    std::span<const std::uint8_t> data;

    // The data bytes as a little-endian unsigned number (0 for no data; long items: 0).
    std::uint32_t unsignedValue() const;
};

class DescriptorItemReader {
public:
    explicit DescriptorItemReader(std::span<const std::uint8_t> descriptor) : bytes_(descriptor) {}

    // The next item; nullopt at the end of the descriptor or at a truncated item, in which
    // case error() says what was wrong.
    std::optional<DescriptorItem> next();
    const std::string& error() const { return error_; }

private:
    std::optional<DescriptorItem> fail(std::size_t offset, const std::string& what);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    std::string error_;
};

}  // namespace gm::hid
