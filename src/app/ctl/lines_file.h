#pragma once
// The readable event lines `macro edit` and `fire edit` take: a file, or standard input for "-".

#include <filesystem>
#include <optional>
#include <string>

namespace gm::ctl {

// The text of `file`, at most 64 KiB; nothing, with `error` said, when it cannot be read or is
// longer.
std::optional<std::string> readLinesFile(const std::filesystem::path& file, std::string& error);

}  // namespace gm::ctl
