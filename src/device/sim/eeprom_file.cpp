#include "device/sim/eeprom_file.h"

#include <algorithm>

#include "image/echoed_text.h"
#include "image/files/file_io.h"

namespace gm::sim {

EepromFileResult readEepromFile(const std::filesystem::path& path) {
    // One byte more than an image, so an oversized file is told apart from a fitting one.
    auto read = image::files::readFile(path, image::kImageSize + 1);
    if (!read.ok()) {
        return {std::nullopt, read.error};
    }
    if (read.bytes.size() != image::kImageSize) {
        return {std::nullopt,
                image::echoed(path.string()) + ": not an EEPROM file (expected " +
                    std::to_string(image::kImageSize) + " bytes, found " +
                    (read.bytes.size() > image::kImageSize ? "more"
                                                           : std::to_string(read.bytes.size())) +
                    ")"};
    }
    image::Image image{};
    std::copy(read.bytes.begin(), read.bytes.end(), image.begin());
    return {image, ""};
}

}  // namespace gm::sim
