#include "device/session/engineering_imports.h"

#include <span>

#include "image/files/import_files.h"

namespace gm::device::session {

namespace {

constexpr std::size_t kMacroHalf = image::kMacro.length / 2;

void tell(Session& session, std::string text) {
    session.presenter().showMessage(Message{"", std::move(text)});
}

// Reads an import file; on success tells the user about a size mismatch. False (and told)
// when there is no device or the file cannot be read, so nothing changes.
bool readImport(Session& session, const image::files::SizedFile& file,
                const std::filesystem::path& path, const std::string& area) {
    if (!file.ok()) {
        tell(session, file.error);
        return false;
    }
    const std::string note = image::files::sizeNote(path, file, area);
    if (!note.empty())
        tell(session, note);
    return true;
}

// Runs `write` with polling paused and the progress window, and reports a refused write.
template <typename Write>
bool writeWithPollPaused(Session& session, const std::string& what, Write write) {
    session.setPollEnabled(false);
    const bool written = write();
    session.presenter().hideProgress();
    session.setPollEnabled(true);
    if (!written)
        tell(session, "The mouse did not accept the " + what + ".");
    return written;
}

}  // namespace

bool importBaseMacros(Session& session, const std::filesystem::path& path) {
    if (!session.requireDevice())
        return false;
    const image::files::SizedFile file = image::files::readBaseMacroFile(path);
    if (!readImport(session, file, path, "macro area"))
        return false;
    auto& macroArea = session.model().copies.macroArea;
    image::files::applySizedFile(file, macroArea);
    session.presenter().refresh(View::MacroLists);
    return writeWithPollPaused(session, "macro area", [&] {
        const std::span<const std::uint8_t> area(macroArea);
        const bool first = session.protocol().writeBlock(
            static_cast<std::uint16_t>(image::kMacro.offset), area.first(kMacroHalf));
        const bool second = session.protocol().writeBlock(
            static_cast<std::uint16_t>(image::kMacro.offset + kMacroHalf), area.last(kMacroHalf));
        return first && second;
    });
}

bool importFireMacros(Session& session, const std::filesystem::path& path) {
    if (!session.requireDevice())
        return false;
    const image::files::SizedFile file = image::files::readFireMacroFile(path);
    if (!readImport(session, file, path, "fire macro table"))
        return false;
    image::ImageModel& model = session.model();
    image::files::importFireMacroRecords(file, model.copies, model.geometry);
    return writeWithPollPaused(session, "fire macros", [&] {
        return session.protocol().writeBlock(static_cast<std::uint16_t>(model.geometry.tailOffset),
                                             model.copies.tail);
    });
}

}  // namespace gm::device::session
