#pragma once
// The readable event lines `macro edit` and `fire edit` take: a file, or standard input for "-".

#include <filesystem>
#include <optional>
#include <ostream>

#include "macros/event_lines.h"

namespace gm::ctl {

// The events of the lines of `file` (at most 64 KiB). Nothing when the file cannot be read or a
// line reads as no event: that is said on `err` (pointing at `command`'s help) and `status` is
// the exit status.
std::optional<macros::ReadLines> readEventLinesFile(const std::filesystem::path& file,
                                                    const char* command, std::ostream& err,
                                                    int& status);

}  // namespace gm::ctl
