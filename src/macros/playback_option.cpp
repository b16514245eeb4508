#include "macros/playback_option.h"

#include <algorithm>

#include "macros/body_scan.h"

namespace gm::macros {

std::optional<std::uint8_t> playbackOptionOf(const image::MacroBody& body) {
    if (body[0] != opcode::kRepeatStart)
        return std::nullopt;
    return body[1];
}

bool setPlaybackOption(image::MacroBody& body, std::uint8_t count) {
    if (count == 0)
        return false;
    if (body[0] == opcode::kRepeatStart) {
        body[1] = count;
        return true;
    }
    const BodyScan scan = scanBody(body);
    if (!scan.terminated() || scan.cut || scan.length + 3 > body.size())
        return false;
    const std::size_t events = scan.length - 1;
    image::MacroBody wrapped{};
    wrapped[0] = opcode::kRepeatStart;
    wrapped[1] = count;
    std::copy_n(body.begin(), events, wrapped.begin() + 2);
    wrapped[events + 2] = opcode::kRepeatEnd;
    wrapped[events + 3] = opcode::kEnd;
    body = wrapped;
    return true;
}

}  // namespace gm::macros
