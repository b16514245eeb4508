// gmousectl image new: writes a factory image to a file.

#include "app/ctl/image_cli.h"
#include "host/files/atomic_file_writer.h"
#include "image/echoed_text.h"
#include "image/factory_images.h"
#include "image/files/file_io.h"

namespace gm::ctl {

int runImageNew(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto chip = chipOption(args, error);
    if (error.empty() && !args.positional.empty())
        error = "unexpected argument '" + image::echoed(args.positional.front()) + "'";
    if (error.empty() && !chip)
        error = "--chip 4210A|4230A is required";

    const auto config = args.value("--config");
    int configNumber = 0;
    if (error.empty()) {
        if (!config) {
            error = "--config 1|2|3 is required";
        } else if (config->size() != 1 || !image::isFactoryConfig((*config)[0] - '0')) {
            error = "--config must be 1, 2 or 3, not '" + image::echoed(*config) + "'";
        } else {
            configNumber = (*config)[0] - '0';
        }
    }

    const auto output = args.value("-o");
    if (error.empty() && !output)
        error = "-o FILE is required";
    if (!error.empty()) {
        err << "gmousectl image new: " << error << "\n";
        return kExitUsage;
    }

    const image::Image& factory = image::factoryImage(*chip, configNumber);
    host::AtomicFileWriter files;
    const std::string written = files.write(*output, factory);
    if (!written.empty()) {
        err << "gmousectl image new: " << written << "\n";
        return kExitFailure;
    }
    out << "wrote " << image::factoryImageName(*chip, configNumber) << " (" << factory.size()
        << " bytes) to " << *output << "\n";
    return kExitOk;
}

}  // namespace gm::ctl
