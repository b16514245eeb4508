#include "app/ctl/image_cli.h"

#include <algorithm>

#include "image/echoed_text.h"
#include "image/files/file_io.h"

namespace gm::ctl {

namespace {

// Reads a 2048-byte image file; on failure `error` names the file and what is wrong with it.
std::optional<image::Image> readImageFile(const std::string& path, std::string& error) {
    // One byte more than an image, so a longer file is told apart without reading it whole.
    const image::files::ReadResult read = image::files::readFile(path, image::kImageSize + 1);
    if (!read.ok()) {
        error = read.error;
        return std::nullopt;
    }
    if (read.bytes.size() != image::kImageSize) {
        error = path + ": " +
                (read.bytes.size() > image::kImageSize
                     ? std::string("longer than")
                     : std::to_string(read.bytes.size()) + " bytes, not") +
                " the 2048 bytes of a configuration image";
        return std::nullopt;
    }
    image::Image result;
    std::copy(read.bytes.begin(), read.bytes.end(), result.begin());
    return result;
}

}  // namespace

std::optional<image::ChipType> chipOption(const ParsedArgs& args, std::string& error) {
    const auto text = args.value("--chip");
    if (!text)
        return std::nullopt;
    const auto chip = image::chipFromText(*text);
    if (!chip)
        error = "--chip must be 4210A or 4230A, not '" + image::echoed(*text) + "'";
    return chip;
}

std::optional<ImageFileArgs> readImageFileArgs(const ParsedArgs& args, const std::string& command,
                                               std::ostream& err) {
    std::string error;
    ImageFileArgs result;
    result.chip = chipOption(args, error);
    if (error.empty() && args.positional.size() != 1)
        error = "give exactly one FILE";
    if (error.empty()) {
        if (auto image = readImageFile(args.positional.front(), error))
            result.image = *image;
    }
    if (!error.empty()) {
        err << "gmousectl " << command << ": " << error << "\n";
        return std::nullopt;
    }
    return result;
}

}  // namespace gm::ctl
