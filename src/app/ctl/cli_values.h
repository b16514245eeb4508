#pragma once
// What gmousectl's command groups share in reading their arguments and saying they are wrong.

#include <iosfwd>
#include <optional>
#include <string>

namespace gm::ctl {

// Prints "gmousectl: MESSAGE" on `err`; returns the exit status of unusable input.
int usageError(std::ostream& err, const std::string& message);

// A whole decimal number in [min, max], or nullopt.
std::optional<int> wholeNumber(const std::string& text, int min, int max);

}  // namespace gm::ctl
