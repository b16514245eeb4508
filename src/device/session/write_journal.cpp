#include "device/session/write_journal.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "image/hex_text.h"
#include "image/layout.h"

namespace gm::device::session {

namespace {

// One line per entry: "SECTION CHIP BEFORE ASKED", the bytes in hex.
constexpr const char* kHeader = "gmouse write journal 1";

std::string hexOf(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t byte : bytes)
        image::appendHexByte(text, byte);
    return text;
}

std::optional<std::vector<std::uint8_t>> bytesOf(const std::string& hex) {
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned value = 0;
        std::istringstream digits(hex.substr(i, 2));
        if (!(digits >> std::hex >> value) || value > 0xFF)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

std::optional<JournalEntry> entryOf(const std::string& line) {
    std::istringstream fields(line);
    JournalEntry entry;
    std::string chip;
    std::string before;
    std::string asked;
    if (!(fields >> entry.section >> chip >> before >> asked))
        return std::nullopt;
    const auto chipType = image::chipFromText(chip);
    auto beforeBytes = bytesOf(before);
    auto askedBytes = bytesOf(asked);
    if (!chipType || !beforeBytes || !askedBytes || beforeBytes->size() != askedBytes->size() ||
        beforeBytes->empty())
        return std::nullopt;
    entry.chip = *chipType;
    entry.before = std::move(*beforeBytes);
    entry.asked = std::move(*askedBytes);
    return entry;
}

auto forSection(std::vector<JournalEntry>& entries, std::size_t section) {
    return std::find_if(entries.begin(), entries.end(),
                        [section](const JournalEntry& e) { return e.section == section; });
}

void erase(std::vector<JournalEntry>& entries, std::size_t section) {
    std::erase_if(entries, [section](const JournalEntry& e) { return e.section == section; });
}

}  // namespace

std::vector<image::Area> checkedSectionsIn(image::Area area) {
    std::vector<image::Area> inside;
    for (image::Section section : image::kCheckedSections) {
        const image::Area checked = image::areaOf(section);
        if (checked.offset >= area.offset &&
            checked.offset + checked.length <= area.offset + area.length)
            inside.push_back(checked);
    }
    return inside;
}

void WriteJournal::beginArea(image::ChipType chip, image::Area area,
                             std::span<const std::uint8_t> held,
                             std::span<const std::uint8_t> asked) {
    for (const image::Area section : checkedSectionsIn(area)) {
        const auto bytesOf = [section](std::span<const std::uint8_t> image) {
            const auto from = image.subspan(section.offset, section.length);
            return std::vector<std::uint8_t>(from.begin(), from.end());
        };
        begin({chip, section.offset, bytesOf(held), bytesOf(asked)});
    }
}

void WriteJournal::settleArea(image::Area area, bool taken) {
    for (const image::Area section : checkedSectionsIn(area)) {
        if (taken)
            finish(section.offset);
        else
            keep(section.offset);
    }
}

void WriteJournal::setFile(std::filesystem::path file, image::files::FileWriter& files) {
    file_ = std::move(file);
    files_ = &files;
}

void WriteJournal::begin(JournalEntry entry) {
    if (auto running = forSection(pending_, entry.section); running != pending_.end()) {
        running->asked = std::move(entry.asked);
        return;
    }
    // A write interrupted earlier, not yet repaired, started from what it recorded.
    if (auto stored = forSection(stored_, entry.section);
        stored != stored_.end() && stored->chip == entry.chip)
        entry.before = stored->before;
    pending_.push_back(std::move(entry));
}

void WriteJournal::finish(std::size_t section) {
    erase(pending_, section);
    // An entry another program stored for the section goes at the next read, which finds the
    // section's check byte right.
    if (forSection(stored_, section) == stored_.end())
        return;
    if (file_)
        load();
    erase(stored_, section);
    if (file_)
        save();
}

std::string WriteJournal::keep(std::size_t section) {
    auto running = forSection(pending_, section);
    if (running == pending_.end())
        return {};
    JournalEntry entry = std::move(*running);
    pending_.erase(running);
    if (file_)
        load();
    erase(stored_, section);
    stored_.push_back(std::move(entry));
    return file_ ? save() : std::string();
}

std::vector<JournalEntry> WriteJournal::entriesFor(image::ChipType chip) {
    if (file_)
        load();
    std::vector<JournalEntry> found;
    for (const JournalEntry& entry : stored_) {
        if (entry.chip == chip)
            found.push_back(entry);
    }
    return found;
}

void WriteJournal::load() {
    std::ifstream in(*file_);
    if (!in)
        return;  // no journal yet: only what this run stored
    stored_.clear();
    std::string line;
    if (!std::getline(in, line) || line != kHeader)
        return;  // not a journal of ours: nothing in it is trusted
    while (std::getline(in, line)) {
        if (auto entry = entryOf(line))
            stored_.push_back(std::move(*entry));
    }
}

std::string WriteJournal::save() const {
    std::string text = std::string(kHeader) + "\n";
    for (const JournalEntry& entry : stored_) {
        text += std::to_string(entry.section) + " " + std::string(image::chipText(entry.chip)) +
                " " + hexOf(entry.before) + " " + hexOf(entry.asked) + "\n";
    }
    std::error_code ignored;  // a folder that cannot be made fails the write, which says so
    std::filesystem::create_directories(file_->parent_path(), ignored);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return files_->write(*file_, std::span(bytes, text.size()));
}

}  // namespace gm::device::session
