#include "stored_tables.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "ui/text/utf16.h"

namespace gm::tools {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// U+FEFF in UTF-8; in UTF-16LE it becomes the mark FF FE.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The lines of `text`, without their LF or CR LF ends.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

[[noreturn]] void refuse(std::size_t lineIndex, const std::string& what) {
    throw std::runtime_error("line " + std::to_string(lineIndex + 1) + ": " + what);
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Checks one quoted recipe line and gives its entry without the quotes.
std::string_view entryOf(std::string_view line, std::size_t lineIndex) {
    if (line.size() < 2 || line.front() != '"' || line.back() != '"')
        refuse(lineIndex, "an entry must be one double-quoted line");
    const std::string_view entry = line.substr(1, line.size() - 2);
    if (entry.find('"') != std::string_view::npos)
        refuse(lineIndex, "an entry may not hold a double quote");
    return entry;
}

}  // namespace

std::vector<std::uint8_t> storedLanguageTable(std::string_view recipe, int language) {
    const std::string header = "[lang" + std::to_string(language) + "]";
    std::string stored(kByteOrderMark);
    std::set<std::string> keys;
    bool headerSeen = false;
    const std::vector<std::string_view> lines = linesOf(recipe);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || line.starts_with('#'))
            continue;
        const std::string_view entry = entryOf(line, i);
        if (!headerSeen) {
            if (entry != header)
                refuse(i, "the first entry must be " + header);
            headerSeen = true;
        } else {
            const std::size_t equals = entry.find('=');
            if (equals == 0 || equals == std::string_view::npos)
                refuse(i, "an entry must be key=value");
            if (!keys.insert(lowerCase(entry.substr(0, equals))).second)
                refuse(i, "the key is already in the table");
        }
        stored.append(line).append(kLineEnd);
    }
    if (!headerSeen)
        throw std::runtime_error("the recipe holds no entries");
    std::optional<std::vector<std::uint8_t>> encoded = ui::text::utf16LeFromUtf8(stored);
    if (!encoded)
        throw std::runtime_error("the recipe is not valid UTF-8");
    return std::move(*encoded);
}

std::vector<std::uint8_t> storedSettingsTable(std::string_view recipe) {
    std::vector<std::uint8_t> bytes;
    const std::vector<std::string_view> lines = linesOf(recipe);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const char c : lines[i]) {
            if (c < 0x20 || c > 0x7E)
                refuse(i, "the settings table holds printable ASCII only");
        }
        const std::string_view line = lines[i];
        bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.insert(bytes.end(), kLineEnd.begin(), kLineEnd.end());
    }
    return bytes;
}

}  // namespace gm::tools
