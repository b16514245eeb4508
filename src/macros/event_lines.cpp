#include "macros/event_lines.h"

#include <utility>

namespace gm::macros {

ReadLines readEventLines(std::string_view text) {
    ReadLines read;
    MacroScript script;  // no playback option: the lines' own markers are the body's
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        const auto events = eventsOfLine(line);
        if (!events) {
            read.badLine = number;
            read.badText = std::string(line);
            return read;
        }
        script.events.insert(script.events.end(), events->begin(), events->end());
    }
    read.body = bodyOfScript(script);
    read.events = std::move(script.events);
    return read;
}

std::string eventLines(std::span<const std::uint8_t> body) {
    std::string lines;
    for (const MacroEvent& event : eventsOf(body))
        lines += describeEvent(event) + "\n";
    return lines;
}

}  // namespace gm::macros
