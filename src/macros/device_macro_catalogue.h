#pragma once
// The device macros as the key menu offers them and the key captions name them: the workspace's
// tables, read each time they are asked for, so the menu and the captions follow every change.

#include "buttons/macro_catalogue.h"
#include "image/image_model.h"

namespace gm::macros {

class DeviceMacroCatalogue final : public buttons::MacroCatalogue {
public:
    explicit DeviceMacroCatalogue(const image::ImageModel& model) : model_(model) {}
    // The non-empty slots in slot order, each with the code 10, address high, low, 00.
    std::vector<buttons::MacroEntry> deviceMacros() const override;
    // The gun-key list file is not kept: class-0B codes are named by their presets.
    std::vector<buttons::MacroEntry> fireMacros() const override { return {}; }

private:
    const image::ImageModel& model_;
};

}  // namespace gm::macros
