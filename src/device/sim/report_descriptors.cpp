#include "device/sim/report_descriptors.h"

#include <algorithm>
#include <array>

namespace gm::sim {

namespace {

constexpr std::array<std::uint8_t, 2> kApplicationCollection{0xA1, 0x01};

// The descriptor with a Report ID item right after its first Collection (Application).
std::vector<std::uint8_t> withReportId(std::vector<std::uint8_t> descriptor, std::uint8_t id) {
    const auto collection =
        std::search(descriptor.begin(), descriptor.end(), kApplicationCollection.begin(),
                    kApplicationCollection.end());
    descriptor.insert(collection + kApplicationCollection.size(), {0x85, id});
    return descriptor;
}

std::vector<std::uint8_t> joined(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// The opening of a vendor collection of 8-bit fields on usage page 0xFF00 + `page`; the
// collection is closed by kEndCollection.
std::vector<std::uint8_t> vendorCollectionStart(std::uint8_t page) {
    return {
        0x06, page, 0xFF,  // Usage Page (Vendor 0xFF00 + page)
        0x09, 0x01,        // Usage (1)
        0xA1, 0x01,        // Collection (Application)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
    };
}

// Feature reports 0x40 (command) and 0x41 (data) of 7 bytes each.
const std::vector<std::uint8_t> kCommandFeatures{
    0x85, 0x40,  //   Report ID (0x40): command
    0x95, 0x07,  //   Report Count (7)
    0x09, 0x02,  //   Usage (2)
    0xB1, 0x02,  //   Feature (Data, Variable, Absolute)
    0x85, 0x41,  //   Report ID (0x41): data
    0x95, 0x07,  //   Report Count (7)
    0x09, 0x03,  //   Usage (3)
    0xB1, 0x02,  //   Feature (Data, Variable, Absolute)
};

// Input report 0x42 (status) of 3 bytes.
const std::vector<std::uint8_t> kStatusInput{
    0x85, 0x42,  //   Report ID (0x42): status
    0x95, 0x03,  //   Report Count (3)
    0x09, 0x04,  //   Usage (4)
    0x81, 0x02,  //   Input (Data, Variable, Absolute)
};

const std::vector<std::uint8_t> kEndCollection{0xC0};

// Feature reports 0x40 and 0x41 of 7 bytes each, alone in a vendor collection.
std::vector<std::uint8_t> commandFeaturesCollection() {
    return joined({vendorCollectionStart(0x00), kCommandFeatures, kEndCollection});
}

}  // namespace

// Five buttons, X, Y and wheel as relative bytes; no report id.
std::vector<std::uint8_t> pointerReportDescriptor() {
    return {
        0x05, 0x01,  // Usage Page (Generic Desktop)
        0x09, 0x02,  // Usage (Mouse)
        0xA1, 0x01,  // Collection (Application)
        0x09, 0x01,  //   Usage (Pointer)
        0xA1, 0x00,  //   Collection (Physical)
        0x05, 0x09,  //     Usage Page (Button)
        0x19, 0x01,  //     Usage Minimum (1)
        0x29, 0x05,  //     Usage Maximum (5)
        0x15, 0x00,  //     Logical Minimum (0)
        0x25, 0x01,  //     Logical Maximum (1)
        0x95, 0x05,  //     Report Count (5)
        0x75, 0x01,  //     Report Size (1)
        0x81, 0x02,  //     Input (Data, Variable, Absolute)
        0x95, 0x01,  //     Report Count (1)
        0x75, 0x03,  //     Report Size (3)
        0x81, 0x01,  //     Input (Constant): padding
        0x05, 0x01,  //     Usage Page (Generic Desktop)
        0x09, 0x30,  //     Usage (X)
        0x09, 0x31,  //     Usage (Y)
        0x09, 0x38,  //     Usage (Wheel)
        0x15, 0x81,  //     Logical Minimum (-127)
        0x25, 0x7F,  //     Logical Maximum (127)
        0x75, 0x08,  //     Report Size (8)
        0x95, 0x03,  //     Report Count (3)
        0x81, 0x06,  //     Input (Data, Variable, Relative)
        0xC0,        //   End Collection
        0xC0,        // End Collection
    };
}

// Modifier byte, reserved byte, six key codes in; five LEDs out; no report id.
std::vector<std::uint8_t> keyboardReportDescriptor() {
    return {
        0x05, 0x01,  // Usage Page (Generic Desktop)
        0x09, 0x06,  // Usage (Keyboard)
        0xA1, 0x01,  // Collection (Application)
        0x05, 0x07,  //   Usage Page (Keyboard)
        0x19, 0xE0,  //   Usage Minimum (Left Control)
        0x29, 0xE7,  //   Usage Maximum (Right GUI)
        0x15, 0x00,  //   Logical Minimum (0)
        0x25, 0x01,  //   Logical Maximum (1)
        0x75, 0x01,  //   Report Size (1)
        0x95, 0x08,  //   Report Count (8)
        0x81, 0x02,  //   Input (Data, Variable, Absolute)
        0x95, 0x01,  //   Report Count (1)
        0x75, 0x08,  //   Report Size (8)
        0x81, 0x01,  //   Input (Constant): reserved byte
        0x95, 0x05,  //   Report Count (5)
        0x75, 0x01,  //   Report Size (1)
        0x05, 0x08,  //   Usage Page (LEDs)
        0x19, 0x01,  //   Usage Minimum (Num Lock)
        0x29, 0x05,  //   Usage Maximum (Kana)
        0x91, 0x02,  //   Output (Data, Variable, Absolute)
        0x95, 0x01,  //   Report Count (1)
        0x75, 0x03,  //   Report Size (3)
        0x91, 0x01,  //   Output (Constant): padding
        0x95, 0x06,  //   Report Count (6)
        0x75, 0x08,  //   Report Size (8)
        0x15, 0x00,  //   Logical Minimum (0)
        0x25, 0x65,  //   Logical Maximum (101)
        0x05, 0x07,  //   Usage Page (Keyboard)
        0x19, 0x00,  //   Usage Minimum (0)
        0x29, 0x65,  //   Usage Maximum (101)
        0x81, 0x00,  //   Input (Data, Array)
        0xC0,        // End Collection
    };
}

// Feature reports 0x40 and 0x41 of 7 bytes each, input report 0x42 of 3 bytes.
std::vector<std::uint8_t> vendorReportDescriptor() {
    return joined({vendorCollectionStart(0x00), kCommandFeatures, kStatusInput, kEndCollection});
}

std::vector<std::uint8_t> singleInterfaceReportDescriptor() {
    return joined({withReportId(pointerReportDescriptor(), 0x01),
                   withReportId(keyboardReportDescriptor(), 0x02), vendorReportDescriptor()});
}

std::vector<std::uint8_t> keyboardWithCommandReportsDescriptor() {
    return joined({withReportId(keyboardReportDescriptor(), 0x01), commandFeaturesCollection()});
}

// Input report 0x42 of 3 bytes and feature report 0x43 of 7 bytes.
std::vector<std::uint8_t> statusReportDescriptor() {
    const std::vector<std::uint8_t> otherFeature{
        0x85, 0x43,  //   Report ID (0x43): not the mouse's command channel
        0x95, 0x07,  //   Report Count (7)
        0x09, 0x05,  //   Usage (5)
        0xB1, 0x02,  //   Feature (Data, Variable, Absolute)
    };
    return joined({vendorCollectionStart(0x01), kStatusInput, otherFeature, kEndCollection});
}

}  // namespace gm::sim
