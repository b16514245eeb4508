#include "image/settings/ini_text.h"

#include <algorithm>
#include <charconv>

namespace gm::image::settings {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string_view name) {
    std::string lower(name);
    std::ranges::transform(lower, lower.begin(), asciiLower);
    return lower;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

bool isComment(std::string_view line) {
    return line.starts_with(';') || line.starts_with("//");
}

// The next line of `text` without its line end; advances `text` past it.
std::string_view takeLine(std::string_view& text) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return line;
}

}  // namespace

std::optional<std::string> IniSection::value(std::string_view key) const {
    const auto entry = entries_.find(lowerCase(key));
    if (entry == entries_.end())
        return std::nullopt;
    return entry->second;
}

std::string IniSection::text(std::string_view key) const {
    return value(key).value_or(std::string());
}

std::optional<int> IniSection::intValue(std::string_view key) const {
    const std::optional<std::string> found = value(key);
    return found ? parseDecimal(*found) : std::nullopt;
}

std::vector<std::string> IniSection::keys() const {
    std::vector<std::string> all;
    all.reserve(entries_.size());
    for (const auto& [key, value] : entries_)
        all.push_back(key);
    return all;
}

void IniSection::add(std::string_view key, std::string value) {
    entries_.try_emplace(lowerCase(key), std::move(value));
}

IniText IniText::parse(std::string_view text) {
    IniText ini;
    while (!text.empty())
        ini.addLine(takeLine(text));
    return ini;
}

IniText IniText::parseLines(std::span<const std::string> lines) {
    IniText ini;
    for (const std::string& line : lines)
        ini.addLine(line);
    return ini;
}

void IniText::addLine(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || isComment(line))
        return;
    if (line.front() == '[') {
        const std::size_t close = line.find(']');
        if (close == std::string_view::npos)
            return;
        const std::string_view name = trimmed(line.substr(1, close - 1));
        const auto existing = std::ranges::find_if(
            sections_, [name](const auto& section) { return sameName(section.name(), name); });
        current_ = static_cast<std::size_t>(existing - sections_.begin()) + 1;
        if (existing == sections_.end())
            sections_.emplace_back(std::string(name));
        return;
    }
    const std::size_t equals = line.find('=');
    if (current_ == 0 || equals == std::string_view::npos)
        return;
    const std::string_view key = trimmed(line.substr(0, equals));
    if (!key.empty())
        sections_[current_ - 1].add(key, std::string(trimmed(line.substr(equals + 1))));
}

IniSection IniText::section(std::string_view name) const {
    const auto found = std::ranges::find_if(
        sections_, [name](const auto& section) { return sameName(section.name(), name); });
    return found != sections_.end() ? *found : IniSection(std::string(name));
}

std::optional<int> parseDecimal(std::string_view text) {
    if (text.starts_with('+') && text.size() > 1 && text[1] != '-')
        text.remove_prefix(1);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return number;
}

}  // namespace gm::image::settings
