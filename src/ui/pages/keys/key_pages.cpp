#include "ui/pages/keys/key_pages.h"

#include "ui/host/window_texts.h"
#include "ui/pages/keys/engineering_key_sheet.h"
#include "ui/pages/keys/key_editor.h"
#include "ui/pages/keys/key_page.h"

namespace gm::ui {

SheetBuilder buildKeyPages(OperationHost& host, QWidget* keyPageBox) {
    auto* editor = new KeyEditor(host, keyPageBox->window());
    new KeyPage(*editor, keyPageBox);
    return [editor, &host](EngineeringTabs& tabs) {
        auto* sheet = new EngineeringKeySheet(*editor, &tabs);
        sheet->setObjectName("ts_Keys");
        tabs.addSheet(EngineeringSheet::Keys, sheet,
                      windowText(WindowText::KeysSheet, host.termLanguage()));
    };
}

}  // namespace gm::ui
