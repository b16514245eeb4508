#pragma once
// The journal of interrupted writes to a checked section (Vendor or User). A live write sends a
// setting's bytes and then the section's check byte; when the mouse goes away between the two,
// its check byte no longer fits its bytes and the next read would rebuild the whole section from
// defaults. The journal remembers what the section held before and what was asked, so the next
// connection (of this run or a later run of either program) can write the check byte that fits
// what the mouse holds instead.
//
// An entry is kept in memory while a write runs and stored in the journal file only when the
// write ended with the section's check byte not on the mouse: a write that completes costs no
// file access.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "image/files/file_writer.h"
#include "image/geometry.h"
#include "image/layout.h"

namespace gm::device::session {

struct JournalEntry {
    image::ChipType chip = image::ChipType::Chip4210A;
    std::size_t section = 0;           // the section's image address (Vendor 0, User 164)
    std::vector<std::uint8_t> before;  // the section as the mouse held it, check byte included
    std::vector<std::uint8_t> asked;   // the section as asked, with the check byte that fits it
};

// The checked sections (Vendor, User, the profiles) that lie inside `area`.
std::vector<image::Area> checkedSectionsIn(image::Area area);

class WriteJournal {
public:
    // Entries are stored in `file` from now on (through `files`, which outlives the journal);
    // without a file they live only as long as the program.
    void setFile(std::filesystem::path file, image::files::FileWriter& files);

    // A write to `entry.section` starts. A write already pending for the section keeps its
    // `before`: the mouse held that when the first of them started.
    void begin(JournalEntry entry);
    // A block write of `area` starts: an entry for each checked section inside it, from what
    // the mouse holds (`held`, the whole image) and what is asked (`asked`, the image to be).
    void beginArea(image::ChipType chip, image::Area area, std::span<const std::uint8_t> held,
                   std::span<const std::uint8_t> asked);
    // Ends (`taken`) or keeps the entries of every checked section inside `area`.
    void settleArea(image::Area area, bool taken);
    // The section's check byte fits its bytes on the mouse again: the entry goes.
    void finish(std::size_t section);
    // The write ended with the check byte not sent: the entry is stored. An empty string on
    // success, else what went wrong.
    std::string keep(std::size_t section);

    // The entries stored or pending for `chip`, the file read again (another program may have
    // written it).
    std::vector<JournalEntry> entriesFor(image::ChipType chip);

private:
    void load();
    std::string save() const;

    std::vector<JournalEntry> pending_;  // writes running now
    std::vector<JournalEntry> stored_;   // interrupted writes, as in the file
    std::optional<std::filesystem::path> file_;
    image::files::FileWriter* files_ = nullptr;
};

}  // namespace gm::device::session
