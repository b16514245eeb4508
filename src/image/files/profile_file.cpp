#include "image/files/profile_file.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace gm::image::files {

namespace fs = std::filesystem;

fs::path profileSaveName(const fs::path& chosen) {
    constexpr std::string_view kExtension = ".bin";
    const std::string name = chosen.filename().string();
    const bool hasExtension =
        name.size() >= kExtension.size() &&
        std::equal(kExtension.begin(), kExtension.end(), name.end() - kExtension.size(),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    if (hasExtension)
        return chosen;
    fs::path named = chosen;
    named += kExtension;
    return named;
}

bool hasProfileMarker(const SizedFile& file) {
    return file.bytes.size() > kMarkerOffset && file.bytes[kMarkerOffset] == kMarker;
}

}  // namespace gm::image::files
