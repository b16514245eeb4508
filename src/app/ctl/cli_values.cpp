#include "app/ctl/cli_values.h"

#include <charconv>
#include <ostream>

#include "app/ctl/command.h"

namespace gm::ctl {

int usageError(std::ostream& err, const std::string& message) {
    err << "gmousectl: " << message << "\n";
    return kExitUsage;
}

std::optional<int> wholeNumber(const std::string& text, int min, int max) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < min ||
        value > max) {
        return std::nullopt;
    }
    return value;
}

}  // namespace gm::ctl
