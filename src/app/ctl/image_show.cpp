// gmousectl image show: what an image file holds, in words.

#include <array>
#include <span>

#include "app/ctl/image_cli.h"
#include "image/check_byte.h"
#include "image/code_text.h"
#include "image/fields.h"
#include "image/hex_text.h"
#include "image/patch_header.h"
#include "settings/cpi_levels.h"
#include "settings/device_options.h"
#include "settings/display.h"
#include "settings/led_lighting.h"

namespace gm::ctl {

namespace {

namespace st = gm::settings;
constexpr std::size_t kCpiCountOffset = st::kLevelCountAddress;
constexpr std::size_t kCpiValuesOffset = st::kLevelValuesAddress;
constexpr std::size_t kCpiColoursOffset = st::kLevelColoursAddress;
constexpr std::size_t kCurrentCpiOffset = image::fields::kCurrentLevel;
constexpr std::size_t kCpiLevels = st::kCpiLevelCount;

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

std::string productText(const image::Image& image) {
    // Appended, not "\"" + string: GCC 12 at -O3 warns falsely (-Wrestrict) about that.
    std::string quoted(1, '"');
    quoted += st::productTextOf(std::span<const std::uint8_t>(image).subspan(
        image::kVendorProductTextOffset, image::kVendorProductTextLength));
    quoted += '"';
    return quoted;
}

std::string cpiValueText(unsigned index) {
    if (const auto cpi = st::cpiOfIndex(index))
        return std::to_string(*cpi) + " CPI";
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
            << st::colourText(st::colourAt(image, colour))
            << (level < levels ? "" : " (not in use)") << "\n";
    }
}

std::string ledLine(const image::Image& image) {
    const st::LedByte led = st::decodeLed(image[st::kLedByteAddress]);
    std::string line = std::string(st::ledTypeName(led.type)) + ", mode ";
    line += led.mode ? std::string(st::modeNames(led.type)[static_cast<std::size_t>(*led.mode)])
                     : "unknown";
    if (led.type == st::LedType::Zk)
        line += ", " + std::to_string(led.zkLamps + 1) + " lamps";
    return line;
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
        << "Report rate: " << st::reportRateOf(img[st::kReportRateAddress]) << " Hz\n"
        << "LED: " << ledLine(img) << "\n";
    showCpi(img, out);
    showKeys(img, out);
    showCheckBytes(img, out);
    return kExitOk;
}

}  // namespace gm::ctl
