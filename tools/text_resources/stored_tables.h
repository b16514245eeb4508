#pragma once
// The stored forms of the built-in text tables, made from their readable recipes. Each throws
// std::runtime_error naming the recipe line when the recipe breaks a rule.

#include <cstdint>
#include <string_view>
#include <vector>

namespace gm::tools {

// A language recipe: UTF-8, lines starting with "#" and empty lines are notes; every other line
// is one entry in double quotes (no quote inside), the first "[langN]", then "key=value" with
// keys that differ in more than case. Stored form: FF FE, then the entries in UTF-16LE, each
// line in its quotes and ended by CR LF.
std::vector<std::uint8_t> storedLanguageTable(std::string_view recipe, int language);

// The settings recipe: printable ASCII INI text. Stored form: the same lines ended by CR LF.
std::vector<std::uint8_t> storedSettingsTable(std::string_view recipe);

}  // namespace gm::tools
