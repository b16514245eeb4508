#pragma once
// Keeps the virtual mouse's EEPROM in a file between runs (gmousectl --sim-eeprom): the raw
// 2048 bytes. Writes go through a temporary file renamed over the target.

#include <filesystem>
#include <optional>
#include <string>

#include "image/layout.h"

namespace gm::sim {

struct EepromFileResult {
    std::optional<image::Image> image;  // set on success
    std::string error;                  // what went wrong, naming the file, otherwise
};

// Reads an EEPROM file; anything but exactly 2048 bytes is refused.
EepromFileResult readEepromFile(const std::filesystem::path& path);

}  // namespace gm::sim
