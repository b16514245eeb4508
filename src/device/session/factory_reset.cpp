#include "device/session/factory_reset.h"

#include <string>

#include "device/session/whole_image_write.h"
#include "image/factory_images.h"
#include "image/section_defaults.h"

namespace gm::device::session {

namespace {

// The image the rebuild writes, from the image as the editor holds it: the patch code and the
// tail go back to the mouse as they were read.
image::Image rebuiltImage(const image::ImageModel& model) {
    image::ImageModel rebuilt = model;
    for (image::Section section : image::kCheckedSections)
        image::applySectionDefaults(section, rebuilt);
    rebuilt.copies.fireKeys = image::fireKeyAreaDefaults();
    rebuilt.copies.macroArea.fill(0x00);
    image::compose(rebuilt);
    return rebuilt.buffer;
}

// The fire macro table is cleared in the editor only: the tail reaches the mouse as read, and
// the read-back after the restart shows what the mouse keeps.
template <typename Backup>
Result rebuild(Workspace& workspace, Backup backup) {
    if (!workspace.session().requireDevice())
        return Result::fail(Failure::NoDevice);
    Result result = replaceWholeImage(workspace, rebuiltImage(workspace.model()), backup);
    workspace.changes().notify({ChangeKind::Macros, 0, {}});
    return result;
}

}  // namespace

Result writeFactoryImage(Workspace& workspace, int config) {
    if (config < 1 || config > kFactoryConfigCount) {
        return Result::fail(Failure::InvalidRequest, Step::None,
                            "factory configuration " + std::to_string(config));
    }
    const image::ImageModel& model = workspace.model();
    const std::string chip = model.chip ? std::string(image::chipText(*model.chip)) : "";
    return replaceWholeImage(workspace, image::factoryImageFor(chip, config),
                             "reset" + std::to_string(config));
}

Result rebuildEngineeringDefaults(Workspace& workspace) {
    return rebuild(workspace, std::string_view("rebuild"));
}

Result rebuildEngineeringDefaults(Workspace& workspace, KeptBackup kept) {
    return rebuild(workspace, kept);
}

}  // namespace gm::device::session
