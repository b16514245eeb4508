// gmousectl image new: writes a factory image to a file.

#include "app/ctl/image_cli.h"
#include "image/factory_images.h"
#include "image/files/file_io.h"

namespace gm::ctl {

int runImageNew(const Args& args, std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = parseArgs(args, {"--chip", "--config", "-o", "--output"});
    std::string error = parsed.error;
    if (error.empty() && !parsed.positional.empty()) {
        error = "unexpected argument '" + parsed.positional.front() + "'";
    }
    const auto chip = chipOption(parsed, error);
    if (error.empty() && !chip)
        error = "--chip 4210A|4230A is required";

    const auto config = parsed.options.find("--config");
    int configNumber = 0;
    if (error.empty()) {
        if (config == parsed.options.end()) {
            error = "--config 1|2|3 is required";
        } else if (config->second.size() != 1 || !image::isFactoryConfig(config->second[0] - '0')) {
            error = "--config must be 1, 2 or 3, not '" + config->second + "'";
        } else {
            configNumber = config->second[0] - '0';
        }
    }

    auto output = parsed.options.find("-o");
    if (output == parsed.options.end())
        output = parsed.options.find("--output");
    if (error.empty() && (output == parsed.options.end() || output->second.empty())) {
        error = "-o FILE is required";
    }
    if (error.empty() && parsed.options.count("-o") && parsed.options.count("--output")) {
        error = "give the output file once, with -o or --output";
    }
    if (!error.empty()) {
        err << "gmousectl image new: " << error << "\n";
        return kExitUsage;
    }

    const image::Image& factory = image::factoryImage(*chip, configNumber);
    const std::string written = image::files::writeFileAtomically(output->second, factory);
    if (!written.empty()) {
        err << "gmousectl image new: " << written << "\n";
        return kExitFailure;
    }
    out << "wrote " << image::factoryImageName(*chip, configNumber) << " (" << factory.size()
        << " bytes) to " << output->second << "\n";
    return kExitOk;
}

}  // namespace gm::ctl
