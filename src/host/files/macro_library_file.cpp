#include "host/files/macro_library_file.h"

#include <system_error>

#include "host/files/folder_lock.h"
#include "image/files/file_io.h"
#include "macros/device_tables.h"
#include "macros/pc_macros.h"

namespace gm::host {

namespace fs = std::filesystem;
using device::Failure;
using device::Result;
using device::Step;

namespace {

void tellLibrary(device::Workspace& workspace) {
    workspace.changes().notify(
        {device::session::ChangeKind::Macros, static_cast<int>(macros::MacroList::Library), {}});
}

}  // namespace

MacroLibraryFile::MacroLibraryFile(fs::path path, image::files::FileWriter& writer)
    : path_(std::move(path)), writer_(writer) {}

bool MacroLibraryFile::read(std::vector<std::uint8_t>& bytes, bool& missing,
                            std::string& error) const {
    std::error_code ec;
    missing = !fs::exists(fs::symlink_status(path_, ec));
    bytes.clear();
    if (missing)
        return true;
    // One byte more than a whole file tells an oversized one.
    image::files::ReadResult read = image::files::readFile(path_, image::kMacroFileSize + 1);
    if (!read.ok()) {
        error = read.error;
        return false;
    }
    bytes = std::move(read.bytes);
    return true;
}

void MacroLibraryFile::take(device::Workspace& workspace, const std::vector<std::uint8_t>& bytes,
                            Result& result) {
    workspace.pcMacros() = macros::storeOfBytes(bytes);
    known_ = bytes;
    knownMissing_ = false;
    if (bytes.size() != image::kMacroFileSize && !sizeTold_) {
        sizeTold_ = true;
        const std::string size = bytes.size() > image::kMacroFileSize
                                     ? "more than " + std::to_string(image::kMacroFileSize)
                                     : std::to_string(bytes.size());
        result.notes.push_back(
            device::makeMessage(device::text::kFileNote,
                                {path_.string() + " holds " + size + " bytes, not " +
                                 std::to_string(image::kMacroFileSize) +
                                 ": the macros it holds were read, and it is copied to " +
                                 path_.filename().string() + ".bak before it is next written."}));
    }
    tellLibrary(workspace);
}

std::string MacroLibraryFile::write(std::span<const std::uint8_t> bytes) {
    // A file of the wrong size may be another program's or a damaged one: it is kept aside.
    if (!knownMissing_ && known_.size() != image::kMacroFileSize) {
        std::error_code ec;
        const fs::path aside = fs::path(path_).concat(".bak");
        fs::copy_file(path_, aside, fs::copy_options::overwrite_existing, ec);
        if (ec)
            return aside.string() + ": cannot be written (" + ec.message() + ")";
    }
    std::string error = writer_.write(path_, bytes);
    if (error.empty()) {
        known_.assign(bytes.begin(), bytes.end());
        knownMissing_ = false;
    }
    return error;
}

Result MacroLibraryFile::load(device::Workspace& workspace) {
    std::vector<std::uint8_t> bytes;
    bool missing = false;
    std::string error;
    if (!read(bytes, missing, error))
        return Result::fail(Failure::FileUnusable, Step::ReadFile, error);
    Result loaded;
    if (!missing) {
        take(workspace, bytes, loaded);
        return loaded;
    }
    workspace.pcMacros() = {};
    tellLibrary(workspace);
    std::error_code ec;
    fs::create_directories(path_.parent_path(), ec);
    const FolderLock lock(path_);
    if (!lock.error().empty())
        return Result::fail(Failure::FileUnusable, Step::SaveFile, lock.error());
    // Made by another program meanwhile: that one is read.
    if (read(bytes, missing, error) && !missing) {
        take(workspace, bytes, loaded);
        return loaded;
    }
    if (const std::string failed = write(macros::storeBytes(workspace.pcMacros()));
        !failed.empty()) {
        return Result::fail(Failure::FileUnusable, Step::SaveFile, failed);
    }
    return loaded;
}

macros::MacroOutcome MacroLibraryFile::change(device::Workspace& workspace,
                                              const std::function<macros::MacroOutcome()>& apply) {
    macros::MacroOutcome outcome;
    std::error_code ec;
    fs::create_directories(path_.parent_path(), ec);
    const FolderLock lock(path_);
    if (!lock.error().empty()) {
        outcome.result = Result::fail(Failure::FileUnusable, Step::SaveFile, lock.error());
        return outcome;
    }
    std::vector<std::uint8_t> bytes;
    bool missing = false;
    std::string error;
    if (!read(bytes, missing, error)) {
        outcome.result = Result::fail(Failure::FileUnusable, Step::ReadFile, error);
        return outcome;
    }
    Result reread;
    if (missing != knownMissing_ || bytes != known_) {
        if (missing) {
            workspace.pcMacros() = {};
            known_.clear();
            knownMissing_ = true;
            tellLibrary(workspace);
        } else {
            take(workspace, bytes, reread);
        }
    }
    const image::PcMacroStore before = workspace.pcMacros();
    outcome = apply();
    outcome.result.notes.insert(outcome.result.notes.end(), reread.notes.begin(),
                                reread.notes.end());
    if (outcome.refused() || workspace.pcMacros() == before)
        return outcome;
    if (const std::string failed = write(macros::storeBytes(workspace.pcMacros()));
        !failed.empty()) {
        workspace.pcMacros() = before;
        tellLibrary(workspace);
        outcome.result = Result::fail(Failure::FileUnusable, Step::SaveFile, failed);
    }
    return outcome;
}

}  // namespace gm::host
