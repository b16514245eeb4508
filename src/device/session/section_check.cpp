#include "device/session/section_check.h"

#include <algorithm>
#include <string>

#include "image/check_byte.h"
#include "image/fields.h"

namespace gm::device::session {

namespace {

std::span<std::uint8_t> heldBytes(image::ImageModel& model, image::Area area) {
    return std::span<std::uint8_t>(model.buffer).subspan(area.offset, area.length);
}

// The bytes before the check byte are the same.
bool sameSettings(std::span<const std::uint8_t> held, const std::vector<std::uint8_t>& recorded) {
    return std::equal(held.begin(), held.end() - 1, recorded.begin(), recorded.end() - 1);
}

std::optional<image::Section> checkedSectionAt(std::size_t address) {
    for (image::Section section : image::kCheckedSections) {
        if (image::areaOf(section).offset == address)
            return section;
    }
    return std::nullopt;
}

// Sends `bytes` to the mouse at `address` and takes them into the buffer. True when taken.
bool sendHeld(Workspace& workspace, std::size_t address, std::span<const std::uint8_t> bytes) {
    const bool taken =
        workspace.protocol().writeBlock(static_cast<std::uint16_t>(address), bytes).ok();
    workspace.presenter().hideProgress();
    if (taken)
        std::copy(bytes.begin(), bytes.end(),
                  workspace.model().buffer.begin() + static_cast<std::ptrdiff_t>(address));
    return taken;
}

// Writes the check byte that fits the section's bytes on the mouse. True when it was taken.
bool completeCheckByte(Workspace& workspace, image::Area area) {
    const std::span<std::uint8_t> held = heldBytes(workspace.model(), area);
    const std::uint8_t check = image::checkByteOf(held.first(held.size() - 1));
    return sendHeld(workspace, area.offset + area.length - 1, std::span(&check, 1));
}

// A block write cut off midway leaves each byte as it was or as asked.
bool partlyWritten(std::span<const std::uint8_t> held, const JournalEntry& entry) {
    for (std::size_t i = 0; i + 1 < held.size(); ++i) {
        if (held[i] != entry.before[i] && held[i] != entry.asked[i])
            return false;
    }
    return true;
}

// The key-table rearm writes User 0 as 15 and then the active profile; cut off between the two,
// the User section holds what was asked but for byte 0.
bool rearmCutOff(std::span<const std::uint8_t> held, const JournalEntry& entry) {
    return entry.section == image::kUser.offset && held[0] == image::fields::kRearmKeyTables &&
           std::equal(held.begin() + 1, held.end(), entry.asked.begin() + 1, entry.asked.end());
}

// Writes the active profile the rearm did not get to. True when it was taken.
bool completeRearm(Workspace& workspace, std::span<std::uint8_t> held, std::uint8_t profile) {
    const auto address = static_cast<std::uint8_t>(image::kUser.offset);
    if (!workspace.protocol().liveWrite(address, profile, 0, 0, 1))
        return false;
    held[0] = profile;
    return true;
}

void repairInterruptedWrites(Workspace& workspace) {
    image::ImageModel& model = workspace.model();
    WriteJournal& journal = workspace.journal();
    for (const JournalEntry& entry :
         journal.entriesFor(model.chip.value_or(image::ChipType::Chip4210A))) {
        const std::optional<image::Section> section = checkedSectionAt(entry.section);
        const image::Area area = section ? image::areaOf(*section) : image::Area{};
        if (!section || entry.before.size() != area.length) {
            journal.finish(entry.section);
            continue;
        }
        const std::span<std::uint8_t> held = heldBytes(model, area);
        if (image::hasValidCheckByte(held)) {
            journal.finish(entry.section);  // repaired meanwhile, or another mouse
            continue;
        }
        if (rearmCutOff(held, entry)) {
            if (!completeRearm(workspace, held, entry.asked[0]))
                continue;
            journal.finish(entry.section);
            workspace.presenter().showMessage(
                makeMessage(text::kInterruptedRearmCompleted,
                            {std::to_string(image::fields::profileOf(entry.asked[0]) + 1)}));
            continue;
        }
        const bool asked = sameSettings(held, entry.asked);
        if (asked || sameSettings(held, entry.before)) {
            if (!completeCheckByte(workspace, area))
                continue;
        } else if (partlyWritten(held, entry)) {
            // The rest of the write, check byte included: the section holds what was asked.
            if (!sendHeld(workspace, area.offset, entry.asked))
                continue;
            journal.finish(entry.section);
            workspace.presenter().showMessage(
                makeMessage(text::kInterruptedWriteRewritten, {image::nameOf(*section)}));
            continue;
        } else {
            continue;  // neither: rebuilt, with a backup
        }
        journal.finish(entry.section);
        workspace.presenter().showMessage(makeMessage(
            text::kInterruptedWriteCompleted,
            {image::nameOf(*section), asked ? "gm.interrupted.asked" : "gm.interrupted.before"}));
    }
}

void keepWhatIsRebuilt(Workspace& workspace) {
    image::ImageModel& model = workspace.model();
    std::string rebuilt;
    for (image::Section section : image::kCheckedSections) {
        if (!image::hasValidCheckByte(heldBytes(model, image::areaOf(section))))
            rebuilt += (rebuilt.empty() ? "" : ", ") + std::string(image::nameOf(section));
    }
    if (rebuilt.empty())
        return;
    image::files::BackupStore* store = workspace.backups();
    if (store == nullptr) {
        workspace.presenter().showMessage(
            makeMessage(text::kRebuiltWithoutBackup, {rebuilt, "no backup folder is set"}));
        return;
    }
    const image::files::BackupStoreResult stored = store->store(model.buffer, "as-read");
    workspace.presenter().showMessage(
        stored.ok() ? makeMessage(text::kRebuiltWithBackup, {rebuilt, "1"})
                    : makeMessage(text::kRebuiltWithoutBackup, {rebuilt, stored.error}));
}

}  // namespace

void checkSectionsAsRead(Workspace& workspace) {
    repairInterruptedWrites(workspace);
    keepWhatIsRebuilt(workspace);
}

}  // namespace gm::device::session
