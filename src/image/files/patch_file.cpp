#include "image/files/patch_file.h"

#include <algorithm>

#include "image/files/file_io.h"

namespace gm::image::files {

PatchFile readPatchFile(const std::filesystem::path& path, std::size_t areaLength) {
    PatchFile patch;
    const std::size_t fileSpan = kPatchHeaderSize + areaLength;
    ReadResult read = readFile(path, fileSpan + 1);
    if (!read.ok()) {
        patch.error = read.error;
        return patch;
    }
    const std::string name = path.string();
    if (read.bytes.size() < kPatchHeaderSize) {
        patch.error = name + ": holds " + std::to_string(read.bytes.size()) +
                      " bytes, fewer than the 16-byte patch header";
        return patch;
    }
    std::copy_n(read.bytes.begin(), kPatchHeaderSize, patch.header.begin());
    const std::size_t length = patchLengthOf(patch.header);
    if (length > areaLength) {
        patch.error = name + ": its header gives a patch length of " + std::to_string(length) +
                      " bytes, more than the chip's patch area of " + std::to_string(areaLength);
        return patch;
    }
    const std::size_t held = std::min(read.bytes.size(), fileSpan) - kPatchHeaderSize;
    if (held < length) {
        patch.error = name + ": its header gives a patch length of " + std::to_string(length) +
                      " bytes, but the file holds only " + std::to_string(held) + " code bytes";
        return patch;
    }
    if (read.bytes.size() > fileSpan) {
        patch.note = name + ": bytes after the " + std::to_string(areaLength) +
                     "-byte patch area were ignored.";
    }
    // The area is written whole; past the file's code it holds 0xFF, the value of erased
    // EEPROM, so nothing of an earlier patch is left behind the new one.
    patch.code.assign(areaLength, 0xFF);
    std::copy_n(read.bytes.begin() + kPatchHeaderSize, held, patch.code.begin());
    return patch;
}

}  // namespace gm::image::files
