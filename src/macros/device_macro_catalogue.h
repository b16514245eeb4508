#pragma once
// The device macros as the key menu offers them and the key captions name them: the workspace's
// tables, read each time they are asked for, so the menu and the captions follow every change.

#include "buttons/gun_key_list.h"
#include "buttons/macro_catalogue.h"
#include "image/image_model.h"

namespace gm::macros {

class DeviceMacroCatalogue final : public buttons::MacroCatalogue {
public:
    explicit DeviceMacroCatalogue(const image::ImageModel& model) : model_(model) {}
    // The non-empty slots in slot order, each with the code 10, address high, low, 00.
    std::vector<buttons::MacroEntry> deviceMacros() const override;
    // The gun-key list while its file exists (useGunKeys); else none, and class-0B codes are
    // named by their presets.
    std::vector<buttons::MacroEntry> fireMacros() const override;

    // The gun-key list the fire macros come from, null while there is no file; it outlives the
    // catalogue.
    void useGunKeys(const buttons::GunKeyList* list) { gunKeys_ = list; }

private:
    const image::ImageModel& model_;
    const buttons::GunKeyList* gunKeys_ = nullptr;
};

}  // namespace gm::macros
