#pragma once
// The Macro page in a window on the virtual mouse: a PC list and a mouse's Macro area given
// before the page shows them, the lists' rows and selection, and right-clicks on them.

#include <QListWidget>
#include <QTest>
#include <vector>

#include "macros/body_scan.h"
#include "macros/macro_name.h"
#include "macros/pc_macros.h"
#include "ui/support/key_rig.h"

namespace gm::ui::testing {

using Bytes = std::vector<std::uint8_t>;
inline constexpr std::size_t kMacroArea = image::kMacro.offset;

inline image::PcMacroRecord record(const std::string& name, const Bytes& body) {
    image::PcMacroRecord made;
    made.name = macros::encodeMacroName(name);
    std::copy(body.begin(), body.end(), made.body.begin());
    return made;
}

// The PC list holds `records` from the start.
inline void giveLibrary(WindowRig& rig, const std::vector<image::PcMacroRecord>& records) {
    image::PcMacroStore store;
    std::copy(records.begin(), records.end(), store.records.begin());
    rig.files.write(rig.macroFile(), macros::storeBytes(store));
    rig.window->useMacroFile(rig.macroFile());
}

// The mouse's Macro area holds these entries before the image is read.
inline void giveMouseMacros(WindowRig& rig, const std::vector<image::PcMacroRecord>& entries) {
    image::Image eeprom = rig.mouse.eeprom();
    std::size_t at = kMacroArea;
    for (const image::PcMacroRecord& entry : entries) {
        std::copy(entry.name.begin(), entry.name.end(), eeprom.begin() + at);
        at += 16;
        const std::size_t length = macros::scanBody(entry.body).length;
        std::copy_n(entry.body.begin(), length, eeprom.begin() + at);
        at += length;
    }
    rig.mouse.loadEeprom(eeprom);
}

inline void showMacroPage(WindowRig& rig) {
    rig.click("Btn_Macro_1");
    QVERIFY(rig.find("gbPage4")->isVisible());
}

inline QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

inline int selected(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.front());
}

// A right-click (press, then release) at `at` of the list's viewport.
inline void rightClick(QListWidget* list, QPoint at) {
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, at);
}

inline QPoint rowCentre(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

// The PC list holds `macro` alone, selected by a click, on the Macro page.
inline void selectOnlyPcMacro(WindowRig& rig, const image::PcMacroRecord& macro) {
    giveLibrary(rig, {macro});
    showMacroPage(rig);
    auto* pcList = rig.find<QListWidget>("LB_PCMacroName");
    QTest::mouseClick(pcList->viewport(), Qt::LeftButton, {}, rowCentre(pcList, 0));
}

}  // namespace gm::ui::testing
