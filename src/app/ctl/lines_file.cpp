#include "app/ctl/lines_file.h"

#include <fstream>
#include <iostream>

#include "app/ctl/command.h"
#include "image/echoed_text.h"

namespace gm::ctl {

namespace {

std::optional<std::string> readLinesFile(const std::filesystem::path& file, std::string& error) {
    constexpr std::size_t kLimit = 64 * 1024;
    std::ifstream opened;
    std::istream* in = &std::cin;
    if (file != "-") {
        opened.open(file, std::ios::binary);
        if (!opened) {
            error = "cannot read " + image::echoed(file.string());
            return std::nullopt;
        }
        in = &opened;
    }
    std::string text(kLimit + 1, '\0');
    in->read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in->gcount()));
    if (in->bad()) {
        error = "cannot read " + image::echoed(file.string());
        return std::nullopt;
    }
    if (text.size() > kLimit) {
        error = image::echoed(file.string()) + " is over 64 KiB: not a macro's lines";
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::optional<macros::ReadLines> readEventLinesFile(const std::filesystem::path& file,
                                                    const char* command, std::ostream& err,
                                                    int& status) {
    std::string error;
    const std::optional<std::string> text = readLinesFile(file, error);
    if (!text) {
        err << "gmousectl: " << error << "\n";
        status = kExitFailure;
        return std::nullopt;
    }
    macros::ReadLines read = macros::readEventLines(*text);
    if (read.badLine != 0) {
        err << "gmousectl: " << image::echoed(file.string()) << " line " << read.badLine
            << ": cannot read \"" << image::echoed(read.badText) << "\" as an event (see gmousectl "
            << command << " --help)\n";
        status = kExitUsage;
        return std::nullopt;
    }
    return read;
}

}  // namespace gm::ctl
