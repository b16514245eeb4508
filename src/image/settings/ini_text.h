#pragma once
// The INI reader every built-in table goes through: the program settings, the language tables
// (after their entries are split) and the layout tables.
//
// Rules: lines end at LF, CR LF or CR; a line whose first non-blank characters are ";" or "//" is
// a comment; "[name]" starts a section; "key=value" belongs to the section above it (lines before
// the first section header are ignored). Section and key names match without regard to ASCII case,
// blanks around names and values are dropped, and of two equal keys in one section the first
// counts. Lines that are none of these are ignored.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace gm::image::settings {

class IniSection {
public:
    IniSection() = default;
    explicit IniSection(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    // The value as written; nothing when the key is absent.
    std::optional<std::string> value(std::string_view key) const;
    // The value, or an empty text when the key is absent.
    std::string text(std::string_view key) const;
    // The value as a decimal integer; nothing when absent or not a number.
    std::optional<int> intValue(std::string_view key) const;
    std::size_t size() const { return entries_.size(); }
    // Every key, in ASCII lower case, in no particular order.
    std::vector<std::string> keys() const;
    bool empty() const { return entries_.empty(); }

    // Adds the key unless the section already holds it (the first of two equal keys counts).
    void add(std::string_view key, std::string value);

private:
    std::string name_;
    std::unordered_map<std::string, std::string> entries_;  // by the key in ASCII lower case
};

class IniText {
public:
    static IniText parse(std::string_view text);
    // The same rules for text already cut into lines; a line break inside one of them is part of
    // that line's value.
    static IniText parseLines(std::span<const std::string> lines);

    // The section of that name; an empty section when the text has none (every key then reads
    // as absent). Two sections of one name are read as one.
    IniSection section(std::string_view name) const;

private:
    void addLine(std::string_view line);

    std::vector<IniSection> sections_;
    std::size_t current_ = 0;  // 1 + index of the section lines go to; 0 before any header
};

// A decimal integer with an optional sign and nothing else; nothing for any other text or for a
// number outside the range of int.
std::optional<int> parseDecimal(std::string_view text);

}  // namespace gm::image::settings
