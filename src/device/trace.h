#pragma once
// A trace of every report that crosses the link, for --trace and for tests.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "image/hex_text.h"

namespace gm::device {

enum class ReportKind { SetFeature, GetFeature, Input };

using TraceSink = std::function<void(ReportKind, std::span<const std::uint8_t>)>;

// "set-feature", "get-feature" or "input", a space, then the bytes as upper-case hex pairs
// separated by spaces, report id first.
inline std::string formatTraceLine(ReportKind kind, std::span<const std::uint8_t> bytes) {
    std::string line = kind == ReportKind::SetFeature   ? "set-feature"
                       : kind == ReportKind::GetFeature ? "get-feature"
                                                        : "input";
    for (std::uint8_t b : bytes) {
        line += ' ';
        image::appendHexByte(line, b);
    }
    return line;
}

}  // namespace gm::device
