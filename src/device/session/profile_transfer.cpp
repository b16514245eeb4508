#include "device/session/profile_transfer.h"

#include "device/session/whole_image_write.h"
#include "image/chip_fit.h"
#include "image/files/file_io.h"
#include "image/files/profile_file.h"

#include <cstdio>
#include <string>

namespace gm::device::session {

namespace fs = std::filesystem;

namespace {

// The path in single quotes. Appended, not built with "'" + string: GCC 12 at -O3 warns falsely
// (-Wrestrict) about that operator+.
std::string quoted(const fs::path& path) {
    std::string text(1, '\'');
    text.append(path.string());
    text.push_back('\'');
    return text;
}

// Why a file is no profile: too short to hold the marker at all, or the byte that is there.
std::string markerProblem(const fs::path& path, const image::files::SizedFile& file) {
    std::string problem = path.filename().string();
    if (file.bytes.size() <= image::kMarkerOffset) {
        problem.append(" holds only ")
            .append(std::to_string(file.bytes.size()))
            .append(" bytes; a profile holds ")
            .append(std::to_string(image::kImageSize));
        return problem;
    }
    char found[8];
    std::snprintf(found, sizeof found, "0x%02X", file.bytes[image::kMarkerOffset]);
    problem.append(": byte 495 is ").append(found).append(", not 0xE0");
    return problem;
}

}  // namespace

Result saveProfile(Workspace& workspace, const fs::path& chosen, fs::path& saved) {
    saved.clear();
    if (chosen.empty() || chosen.filename().empty() || chosen.filename() == "." ||
        chosen.filename() == "..") {
        return Result::fail(Failure::FileUnusable, Step::SaveFile,
                            quoted(chosen) + " names no file");
    }
    const fs::path target = image::files::profileSaveName(chosen);
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        return Result::fail(Failure::FileUnusable, Step::SaveFile,
                            target.string() + ": is a folder, not a file");
    }
    const DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    if (Result read = workspace.session().readWholeImage(); !read)
        return read;
    const std::string error = workspace.files().write(target, workspace.model().buffer);
    if (!error.empty())
        return Result::fail(Failure::FileUnusable, Step::SaveFile, error);
    saved = target;
    return Result::done();
}

Result loadProfile(Workspace& workspace, const fs::path& path, OtherChip otherChip) {
    if (!workspace.session().requireDevice())
        return Result::fail(Failure::NoDevice);
    const image::files::SizedFile file = image::files::readProfileFile(path);
    if (!file.ok())
        return Result::fail(Failure::FileUnusable, Step::ReadFile, file.error);
    if (!image::files::hasProfileMarker(file))
        return Result::fail(Failure::BadMarker, Step::ReadFile, markerProblem(path, file));
    image::Image loaded = workspace.model().buffer;
    image::files::applySizedFile(file, loaded);
    const std::optional<image::ChipType> mouseChip = workspace.model().chip;
    if (otherChip == OtherChip::Refused && mouseChip && !image::patchFitsChip(loaded, *mouseChip)) {
        const std::optional<image::ChipType> made = image::chipOfImage(loaded);
        std::string detail = path.filename().string();
        detail
            .append(made ? " was made for the " + std::string(image::chipText(*made))
                         : " was made for another chip")
            .append("; the mouse is a ")
            .append(image::chipText(*mouseChip));
        return Result::fail(Failure::OtherChip, Step::ReadFile, detail);
    }
    Result result = replaceWholeImage(workspace, loaded, "load");
    const std::string note = image::files::sizeNote(path, file, "image");
    if (!note.empty())
        result.notes.push_back(makeMessage(text::kFileNote, {note}));
    return result;
}

Result restoreBackup(Workspace& workspace, std::size_t number) {
    if (!workspace.session().requireDevice())
        return Result::fail(Failure::NoDevice);
    image::files::BackupStore* store = workspace.backups();
    if (store == nullptr)
        return Result::fail(Failure::FileUnusable, Step::ReadFile, "no backup folder is set");
    const image::files::BackupLoadResult backup = store->load(number);
    if (!backup.ok())
        return Result::fail(Failure::FileUnusable, Step::ReadFile, backup.error);
    return replaceWholeImage(workspace, backup.image, "restore");
}

}  // namespace gm::device::session
