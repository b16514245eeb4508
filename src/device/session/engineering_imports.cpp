#include "device/session/engineering_imports.h"

#include <span>

#include "device/session/macro_area_write.h"
#include "image/files/import_files.h"

namespace gm::device::session {

namespace {

// Reads an import file: FileUnusable when it cannot be read; a size mismatch becomes a note.
Result readImport(const image::files::SizedFile& file, const std::filesystem::path& path,
                  const std::string& area) {
    if (!file.ok())
        return Result::fail(Failure::FileUnusable, Step::ReadFile, file.error);
    Result read;
    const std::string note = image::files::sizeNote(path, file, area);
    if (!note.empty())
        read.notes.push_back(makeMessage(text::kFileNote, {note}));
    return read;
}

// Adds the reports of `step` to `total`; the first failure names the result.
void addStep(Result& total, Result step) {
    const int refused = total.refused + step.refused;
    const int reports = total.reports + step.reports;
    if (total.ok() && !step.ok()) {
        auto notes = std::move(total.notes);
        total = std::move(step);
        total.notes = std::move(notes);
    }
    total.refused = refused;
    total.reports = reports;
}

}  // namespace

Result importBaseMacros(Workspace& workspace, const std::filesystem::path& path) {
    const DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    const image::files::SizedFile file = image::files::readBaseMacroFile(path);
    Result result = readImport(file, path, "macro area");
    if (!result)
        return result;
    image::files::applySizedFile(file, workspace.model().copies.macroArea);
    addStep(result, writeMacroHalves(workspace));
    return result.at(Step::WriteMacroArea);
}

Result importFireMacros(Workspace& workspace, const std::filesystem::path& path) {
    const DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    const image::files::SizedFile file = image::files::readFireMacroFile(path);
    Result result = readImport(file, path, "fire macro table");
    if (!result)
        return result;
    image::ImageModel& model = workspace.model();
    image::files::importFireMacroRecords(file, model.copies, model.geometry);
    workspace.changes().notify({ChangeKind::Macros, 0, {}});
    addStep(result, workspace.protocol().writeBlock(
                        static_cast<std::uint16_t>(model.geometry.tailOffset), model.copies.tail));
    workspace.presenter().hideProgress();
    return result.at(Step::WriteFireMacros);
}

}  // namespace gm::device::session
