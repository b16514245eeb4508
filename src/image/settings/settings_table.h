#pragma once
// The settings table ORG as stored in the program (INI text, CR LF line ends), generated at build
// time by gm_text_resource_gen from resources/settings/ORG.ini. Use program_settings.h.

#include <cstdint>
#include <span>

namespace gm::image::settings::detail {

extern const std::span<const std::uint8_t> kStoredSettingsTable;

}  // namespace gm::image::settings::detail
