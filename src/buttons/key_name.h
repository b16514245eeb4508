#pragma once
// The name a key function code is shown with. The core keeps language-table identifiers; names
// built from parts (chords, macro names, "Fire Macro3") are kept as text.

#include <string>

#include "buttons/fire_key_set.h"
#include "buttons/macro_catalogue.h"
#include "image/code_text.h"

namespace gm::buttons {

struct KeyName {
    std::string id;    // "Str210"; empty for a built name
    std::string text;  // the built name; empty for a table name
    bool empty() const { return id.empty() && text.empty(); }
    bool is(std::string_view textId) const { return id == textId; }
    bool operator==(const KeyName&) const = default;
};

namespace names {
inline constexpr std::string_view kUserDefined = "Str205";
inline constexpr std::string_view kLeftClick = "Str210";
inline constexpr std::string_view kRightClick = "Str211";
inline constexpr std::string_view kMiddleClick = "Str212";
inline constexpr std::string_view kBackward = "Str213";
inline constexpr std::string_view kForward = "Str214";
inline constexpr std::string_view kDpiLoop = "Str221";
inline constexpr std::string_view kDpiUp = "Str222";
inline constexpr std::string_view kDpiDown = "Str223";
inline constexpr std::string_view kFireKey1 = "Str231";  // Str232, Str233 follow
inline constexpr std::string_view kOfficeMode = "Str251";
inline constexpr std::string_view kGameMode = "Str252";
inline constexpr std::string_view kThirdMode = "Str253";
inline constexpr std::string_view kProfileLoop = "Str254";
inline constexpr std::string_view kAimKey = "Str260";
inline constexpr std::string_view kLedMode = "Str261";
inline constexpr std::string_view kFireMacroKey = "Str265";
inline constexpr std::string_view kKeyOff = "Str277";
inline constexpr std::string_view kFirstPreset = "Str600";  // Str600..Str606
std::string fireKeyId(std::size_t set);                     // 0..2
}  // namespace names

struct NamingContext {
    const FireKeyMemory& fire;
    const MacroCatalogue* macros = nullptr;
};

// The name of `code`; empty when the code means nothing the editor knows.
KeyName nameOf(const image::KeyCode& code, const NamingContext& context);

// Whether a name is that of a fire macro (a preset or "Fire Macro" n).
bool isFireMacroName(const KeyName& name);

}  // namespace gm::buttons
