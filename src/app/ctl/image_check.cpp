// gmousectl image check: the check bytes, the marker and the patch checksum of an image file.

#include <span>

#include "app/ctl/image_cli.h"
#include "image/check_byte.h"
#include "image/chip_fit.h"
#include "image/hex_text.h"
#include "image/image_model.h"

namespace gm::ctl {

namespace {

std::string hex(unsigned value, int digits) {
    return "0x" + image::hexText(value, digits);
}

// One line per checked section; true when all are right.
bool reportSections(const image::Image& image, std::ostream& out) {
    bool allOk = true;
    for (const image::Section section : image::kCheckedSections) {
        const image::Area area = image::areaOf(section);
        const auto bytes = std::span(image).subspan(area.offset, area.length);
        const std::uint8_t stored = bytes.back();
        const std::uint8_t expected = image::checkByteOf(bytes.first(bytes.size() - 1));
        out << image::nameOf(section) << ": ";
        if (stored == expected) {
            out << "ok\n";
        } else {
            out << "bad (stored " << hex(stored, 2) << ", expected " << hex(expected, 2) << ")\n";
            allOk = false;
        }
    }
    return allOk;
}

bool reportMarker(const image::Image& image, std::ostream& out) {
    const std::uint8_t marker = image[image::kMarkerOffset];
    const bool ok = marker == image::kMarker;
    out << "Marker: " << (ok ? "ok" : "bad") << " (byte 495 = " << hex(marker, 2)
        << (ok ? "" : ", expected " + hex(image::kMarker, 2)) << ")\n";
    return ok;
}

bool reportPatchChecksum(const image::Image& image, image::ChipType chip, std::ostream& out) {
    image::ImageModel model;
    model.setChip(chip);
    model.buffer = image;
    image::split(model);
    const image::PatchChecksum sum = image::patchChecksumOf(model);
    const bool ok = sum.lengthFits && sum.stored == sum.computed;
    out << "Patch checksum: " << (ok ? "ok" : "bad") << " (stored " << hex(sum.stored, 4)
        << ", computed " << hex(sum.computed, 4) << " over ";
    if (sum.lengthFits) {
        out << sum.length << " bytes";
    } else {
        out << "the whole " << model.geometry.patchLength << "-byte patch area; header length "
            << sum.length << " is longer";
    }
    out << ", " << image::chipText(chip) << ")\n";
    return ok;
}

}  // namespace

int runImageCheck(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const auto input = readImageFileArgs(args, "image check", err);
    if (!input)
        return kExitUsage;
    const bool sectionsOk = reportSections(input->image, out);
    const bool markerOk = reportMarker(input->image, out);
    // Without --chip the file tells its chip: the one its patch code fits.
    const image::ChipType chip =
        input->chip.value_or(image::chipOfImage(input->image).value_or(image::ChipType::Chip4210A));
    const bool patchOk = reportPatchChecksum(input->image, chip, out);
    return sectionsOk && markerOk && patchOk ? kExitOk : kExitFailure;
}

}  // namespace gm::ctl
