#include "ui/pages/keys/key_pages.h"

#include <QTabWidget>

#include "ui/pages/keys/engineering_key_sheet.h"
#include "ui/pages/keys/key_editor.h"
#include "ui/pages/keys/key_page.h"

namespace gm::ui {

std::function<void()> buildKeyPages(OperationHost& host, QWidget* keyPageBox,
                                    QTabWidget* engineeringTabs) {
    auto* editor = new KeyEditor(host, keyPageBox->window());
    new KeyPage(*editor, keyPageBox);
    return [editor, engineeringTabs] {
        auto* sheet = new EngineeringKeySheet(*editor, engineeringTabs);
        sheet->setObjectName("ts_Keys");
        engineeringTabs->insertTab(1, sheet, "Keys");
    };
}

}  // namespace gm::ui
