#pragma once
// What the key page tests share: the rig on the key page, the open key menu and its panels, and
// the codes the virtual mouse holds.

#include <QAbstractButton>
#include <QFrame>
#include <QTest>

#include "image/code_text.h"
#include "image/layout.h"
#include "window_rig.h"

namespace gm::ui::testing {

inline constexpr std::size_t kProfileSection = 49;
inline constexpr std::size_t kComboKeys = 127;  // Vendor section offset of Combo Key1
inline constexpr std::size_t kFireKeyArea = 484;

// The code the virtual mouse holds for key 1..12 of profile 1..3.
inline image::KeyCode mouseKey(const WindowRig& rig, std::size_t profile, std::size_t key) {
    const image::Image eeprom = rig.mouse.eeprom();
    const std::size_t at =
        image::kProfiles.offset + (profile - 1) * kProfileSection + (key - 1) * 4;
    return {eeprom[at], eeprom[at + 1], eeprom[at + 2], eeprom[at + 3]};
}

inline QString mouseKeyText(const WindowRig& rig, std::size_t profile, std::size_t key) {
    return QString::fromStdString(image::codeTextOf(mouseKey(rig, profile, key)));
}

inline QWidget* keyMenu(const WindowRig& rig) {
    return rig.find<QWidget>("KeyMenu");
}

// The panel `name` while it is open; null when it is not.
inline QFrame* openPanel(const WindowRig& rig, const char* name) {
    auto* panel = rig.window->findChild<QFrame*>(name);
    return panel != nullptr && panel->isVisible() ? panel : nullptr;
}

// Clicks entry `entry` ("Open_Pnl_Media", "Tag1104") of the open panel `panel`.
inline bool clickEntry(const WindowRig& rig, const char* panel, const char* entry) {
    QFrame* frame = openPanel(rig, panel);
    if (frame == nullptr)
        return false;
    auto* row = frame->findChild<QAbstractButton*>(entry);
    if (row == nullptr)
        return false;
    QTest::mouseClick(row, Qt::LeftButton);
    return true;
}

}  // namespace gm::ui::testing
