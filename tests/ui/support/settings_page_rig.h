#pragma once
// The window on the virtual mouse for the Advanced and Light pages: the live writes the mouse
// received (decoded, without the section check bytes), a mouse preset with other bytes, and the
// state of the page controls by name.

#include <QLabel>
#include <span>

#include "image/check_byte.h"
#include "image/factory_images.h"
#include "image/layout.h"
#include "settings/image_state.h"
#include "support/seen_commands.h"
#include "window_rig.h"

namespace gm::ui::testing {

using gm::testing::LiveWrite;

// Live writes (target 0) in the order the mouse saw them; the check byte writes left out.
inline std::vector<LiveWrite> liveWrites(const WindowRig& rig) {
    return gm::testing::liveWrites(rig.mouse);
}

// The first factory image of the 4210A with `bytes` placed at their image addresses, the check
// bytes of the Vendor and User sections kept right (else the read would rebuild them).
inline image::Image presetImage(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    image::Image eeprom = image::factoryImage(image::ChipType::Chip4210A, 1);
    for (const auto& [address, value] : bytes)
        eeprom[address] = value;
    for (const image::Area section : {image::kVendor, image::kUser})
        image::setCheckByte(
            std::span<std::uint8_t>(eeprom).subspan(section.offset, section.length));
    return eeprom;
}

// Connects as the editor does (every read of the image sets the LED type and the running
// report rate the settings keep), then opens the Advanced and Light pages once, as they are built
// on their first showing, and returns to the page shown before. Showing a page writes nothing.
inline bool connectEditor(WindowRig& rig) {
    settings::followImageReads(rig.workspace);
    if (!rig.connect())
        return false;
    const Page shown = rig.window->currentPage();
    rig.window->showPage(Page::Advanced);
    rig.window->showPage(Page::Light);
    rig.window->showPage(shown);
    return true;
}

inline QString textOf(const WindowRig& rig, const char* name) {
    if (auto* label = rig.window->findChild<QLabel*>(name))
        return label->text();
    return rig.find<QAbstractButton>(name)->text();
}

}  // namespace gm::ui::testing
