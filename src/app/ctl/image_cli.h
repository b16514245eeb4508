#pragma once
// Shared pieces of the `gmousectl image` commands: the --chip value and the FILE of image check
// and image show, read whole.

#include <optional>
#include <ostream>
#include <string>

#include "app/ctl/command.h"
#include "image/geometry.h"
#include "image/layout.h"

namespace gm::ctl {

inline const Option kChipOption{{"--chip"}, OptionValue::Required};

// Value of --chip: nothing when absent; `error` set when it is neither 4210A nor 4230A.
std::optional<image::ChipType> chipOption(const ParsedArgs& args, std::string& error);

// The one FILE of image check and image show, read whole, and their --chip.
struct ImageFileArgs {
    image::Image image{};
    std::optional<image::ChipType> chip;
};

// Nullopt after telling `err`, as "gmousectl <command>: ...", what is wrong with the arguments
// or the file (missing, unreadable, not 2048 bytes).
std::optional<ImageFileArgs> readImageFileArgs(const ParsedArgs& args, const std::string& command,
                                               std::ostream& err);

int runImageNew(const ParsedArgs& args, std::ostream& out, std::ostream& err);
int runImageCheck(const ParsedArgs& args, std::ostream& out, std::ostream& err);
int runImageShow(const ParsedArgs& args, std::ostream& out, std::ostream& err);

}  // namespace gm::ctl
