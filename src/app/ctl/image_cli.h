#pragma once
// Shared pieces of the `gmousectl image` commands: option parsing, chip and config values, and
// reading an image file whole.

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/ctl/command.h"
#include "image/geometry.h"
#include "image/layout.h"

namespace gm::ctl {

struct ParsedArgs {
    std::map<std::string, std::string> options;  // option name -> value
    Args positional;
    std::string error;  // empty when the arguments are well formed
};

// Accepts only the given options, each once and each with a value ("--name VALUE",
// "--name=VALUE"); everything not starting with '-' is positional.
ParsedArgs parseArgs(const Args& args, const std::vector<std::string>& optionsWithValue);

// Value of --chip: nothing when absent; `error` set when it is neither 4210A nor 4230A.
std::optional<image::ChipType> chipOption(const ParsedArgs& parsed, std::string& error);

// Reads a 2048-byte image file; on failure `error` names the file and what is wrong with it.
std::optional<image::Image> readImageFile(const std::string& path, std::string& error);

int runImageNew(const Args& args, std::ostream& out, std::ostream& err);
int runImageCheck(const Args& args, std::ostream& out, std::ostream& err);
int runImageShow(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace gm::ctl
