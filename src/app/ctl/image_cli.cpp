#include "app/ctl/image_cli.h"

#include <algorithm>

#include "image/files/file_io.h"

namespace gm::ctl {

ParsedArgs parseArgs(const Args& args, const std::vector<std::string>& optionsWithValue) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || arg[0] != '-' || arg == "-") {
            parsed.positional.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (std::find(optionsWithValue.begin(), optionsWithValue.end(), name) ==
            optionsWithValue.end()) {
            parsed.error = "unknown option '" + name + "'";
            return parsed;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            parsed.error = "option '" + name + "' needs a value";
            return parsed;
        }
        if (!parsed.options.emplace(name, value).second) {
            parsed.error = "option '" + name + "' given twice";
            return parsed;
        }
    }
    return parsed;
}

std::optional<image::ChipType> chipOption(const ParsedArgs& parsed, std::string& error) {
    const auto it = parsed.options.find("--chip");
    if (it == parsed.options.end())
        return std::nullopt;
    const auto chip = image::chipFromText(it->second);
    if (!chip)
        error = "--chip must be 4210A or 4230A, not '" + it->second + "'";
    return chip;
}

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

}  // namespace gm::ctl
