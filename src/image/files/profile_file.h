#pragma once
// Profile files: the raw 2048-byte configuration image, accepted for loading when its byte 495
// (the last byte of the fire key area) is 0xE0.

#include <filesystem>

#include "image/files/sized_file.h"
#include "image/layout.h"

namespace gm::image::files {

// The file a profile is saved to: "NAME" becomes "NAME.bin"; a name that already ends in ".bin"
// (any letter case) is kept as it is.
std::filesystem::path profileSaveName(const std::filesystem::path& chosen);

// Reads at most the first 2048 bytes of a profile file.
inline SizedFile readProfileFile(const std::filesystem::path& path) {
    return readSizedFile(path, kImageSize);
}

// True when the file reaches byte 495 and that byte is 0xE0.
bool hasProfileMarker(const SizedFile& file);

}  // namespace gm::image::files
