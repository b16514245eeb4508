#include "ui/text/entries.h"

namespace gm::ui::text {

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The quoted stretch starting after the opening quote at text[at - 1]; advances `at` past the
// closing quote (or to the end).
std::string takeQuoted(std::string_view text, std::size_t& at) {
    std::string entry;
    while (at < text.size()) {
        const char c = text[at++];
        if (c != '"') {
            entry.push_back(c);
        } else if (at < text.size() && text[at] == '"') {
            entry.push_back('"');
            ++at;
        } else {
            break;
        }
    }
    return entry;
}

}  // namespace

std::vector<std::string> splitEntries(std::string_view text) {
    std::vector<std::string> entries;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isSeparator(text[at])) {
            ++at;
            continue;
        }
        std::string entry;
        if (text[at] == '"') {
            ++at;
            entry = takeQuoted(text, at);
        }
        while (at < text.size() && !isSeparator(text[at]))
            entry.push_back(text[at++]);
        if (!entry.empty())
            entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace gm::ui::text
