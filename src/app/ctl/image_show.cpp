// gmousectl image show: what an image file holds, in words.

#include <array>
#include <span>

#include "app/ctl/image_cli.h"
#include "image/check_byte.h"
#include "image/code_text.h"
#include "image/fields.h"
#include "image/hex_text.h"
#include "image/patch_header.h"

namespace gm::ctl {

namespace {

constexpr std::array<int, 12> kCpiValues{200,  400,  600,  800,  1000, 1200,
                                         1600, 2000, 2400, 3200, 4800, 6400};
constexpr std::array<int, 4> kReportRates{125, 250, 500, 1000};
constexpr std::size_t kCpiCountOffset = 43;    // Vendor: level count - 1
constexpr std::size_t kCpiValuesOffset = 44;   // Vendor: two 4-bit value indexes per byte
constexpr std::size_t kCpiColoursOffset = 87;  // Vendor: 3 bytes per level
constexpr std::size_t kCurrentCpiOffset = image::fields::kCurrentLevel;
constexpr std::size_t kCpiLevels = 8;

// The chip by the patch length of the factory images, else --chip, else unknown.
std::string chipLine(const image::Image& image, std::optional<image::ChipType> given) {
    const image::HeaderView header(image.data() + image::kPatchHeader.offset,
                                   image::kPatchHeaderSize);
    const std::uint16_t length = image::patchLengthOf(header);
    const std::string lengthText = "patch length " + std::to_string(length) + ")";
    if (length == 736)
        return "4210A (" + lengthText;
    if (length == 512)
        return "4230A (" + lengthText;
    if (given)
        return std::string(image::chipText(*given)) + " (from --chip; " + lengthText;
    return "unknown (" + lengthText;
}

// The 16 product text bytes: printable ASCII as is, a zero byte ends it, others as \xNN.
std::string productText(const image::Image& image) {
    std::string text;
    for (std::size_t i = 0; i < image::kVendorProductTextLength; ++i) {
        const std::uint8_t byte = image[image::kVendorProductTextOffset + i];
        if (byte == 0)
            break;
        if (byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '"') {
            text.push_back(static_cast<char>(byte));
        } else {
            text += "\\x" + image::hexText(byte, 2);
        }
    }
    return "\"" + text + "\"";
}

std::string cpiValueText(unsigned index) {
    if (index < kCpiValues.size())
        return std::to_string(kCpiValues[index]) + " CPI";
    return "index " + std::to_string(index) + " (no such value)";
}

void showCpi(const image::Image& image, std::ostream& out) {
    const unsigned countByte = image[kCpiCountOffset];
    const unsigned levels = countByte < kCpiLevels ? countByte + 1 : 0;
    out << "CPI levels: ";
    if (levels == 0) {
        out << "invalid count (Vendor 43 = " << image::hexText(countByte, 2) << ")";
    } else {
        out << levels << " in use";
    }
    const unsigned current = image[kCurrentCpiOffset];
    out << ", current level ";
    if (current < kCpiLevels) {
        out << current + 1 << "\n";
    } else {
        out << "invalid (User 2 = " << image::hexText(current, 2) << ")\n";
    }
    for (std::size_t level = 0; level < kCpiLevels; ++level) {
        const std::uint8_t pair = image[kCpiValuesOffset + level / 2];
        const unsigned index = level % 2 == 0 ? pair & 0x0F : pair >> 4;
        const std::size_t colour = kCpiColoursOffset + 3 * level;
        out << "  level " << level + 1 << ": " << cpiValueText(index) << ", colour "
            << image::hexText(image[colour], 2) << image::hexText(image[colour + 1], 2)
            << image::hexText(image[colour + 2], 2) << (level < levels ? "" : " (not in use)")
            << "\n";
    }
}

std::string codeAt(const image::Image& image, std::size_t offset) {
    return image::codeTextOf(std::span<const std::uint8_t, 4>(image.data() + offset, 4));
}

void showKeys(const image::Image& image, std::ostream& out) {
    out << "Key tables (Key1..Key12):\n";
    for (const image::Section section :
         {image::Section::Profile1, image::Section::Profile2, image::Section::Profile3}) {
        out << "  " << image::nameOf(section) << ":";
        for (std::size_t key = 0; key < image::kKeysPerProfile; ++key) {
            out << " " << codeAt(image, image::areaOf(section).offset + key * image::kKeyCodeSize);
        }
        out << "\n";
    }
    out << "  Combo keys:";
    for (std::size_t combo = 0; combo < image::kComboKeyCount; ++combo) {
        out << " " << codeAt(image, image::kVendorComboKeysOffset + combo * image::kKeyCodeSize);
    }
    out << "\n";
}

void showCheckBytes(const image::Image& image, std::ostream& out) {
    std::string bad;
    for (const image::Section section : image::kCheckedSections) {
        const image::Area area = image::areaOf(section);
        if (!image::hasValidCheckByte(std::span(image).subspan(area.offset, area.length))) {
            bad += std::string(bad.empty() ? "" : ", ") + image::nameOf(section);
        }
    }
    out << "Check bytes: " << (bad.empty() ? "all ok" : "wrong in " + bad + " (see image check)")
        << "\n";
}

}  // namespace

int runImageShow(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const auto input = readImageFileArgs(args, "image show", err);
    if (!input)
        return kExitUsage;
    const image::Image& img = input->image;
    out << "Chip: " << chipLine(img, input->chip) << "\n"
        << "USB ids: vendor " << image::hexText(img[0], 2) << image::hexText(img[1], 2)
        << ", product " << image::hexText(img[2], 2) << image::hexText(img[3], 2) << "\n"
        << "Manufacturer number: " << unsigned{img[image::kFireKeys.offset]}
        << ", product number: " << unsigned{img[image::kFireKeys.offset + 1]} << "\n"
        << "Product text: " << productText(img) << "\n"
        << "Report rate: " << kReportRates[(img[4] >> 4) & 0x03] << " Hz\n";
    showCpi(img, out);
    showKeys(img, out);
    showCheckBytes(img, out);
    return kExitOk;
}

}  // namespace gm::ctl
