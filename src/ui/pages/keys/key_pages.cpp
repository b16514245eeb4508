#include "ui/pages/keys/key_pages.h"

#include <QLayout>

#include "ui/host/window_texts.h"
#include "ui/pages/fire_editor/fire_macro_editor.h"
#include "ui/pages/gun/gun_key_sheet.h"
#include "ui/pages/gun/gun_page.h"
#include "ui/pages/keys/engineering_key_sheet.h"
#include "ui/pages/keys/key_editor.h"
#include "ui/pages/keys/key_page.h"

namespace gm::ui {

SheetBuilder buildKeyPages(OperationHost& host, QWidget* keyPageBox) {
    auto* editor = new KeyEditor(host, keyPageBox->window());
    new KeyPage(*editor, keyPageBox);
    new GunPresetPage(*editor, keyPageBox);
    auto* gunKeys = new GunKeys(*editor);
    return [editor, gunKeys, &host](EngineeringTabs& tabs) {
        auto* sheet = new EngineeringKeySheet(*editor, &tabs);
        sheet->setObjectName("ts_Keys");
        tabs.addSheet(EngineeringSheet::Keys, sheet,
                      windowText(WindowText::KeysSheet, host.termLanguage()));
        auto* gun = new GunKeySheet(*editor, *gunKeys, &tabs);
        gun->setObjectName("ts_Gun");
        // Shown only while the fire macro recorder is unlocked (the window sets that).
        auto* fireEditor = new FireMacroEditor(host, gun);
        fireEditor->hide();
        gun->layout()->addWidget(fireEditor);
        tabs.addSheet(EngineeringSheet::Gun, gun,
                      windowText(WindowText::GunSheet, host.termLanguage()));
    };
}

}  // namespace gm::ui
