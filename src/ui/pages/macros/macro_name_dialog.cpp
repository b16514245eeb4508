#include "ui/pages/macros/macro_name_dialog.h"

#include <QLineEdit>

#include "image/macro_tables.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

MacroNameDialog::MacroNameDialog(OperationHost& host, QWidget* window)
    : SkinDialog("TForm3", "Edt_MacroName", window), host_(host) {
    field()->setMaxLength(static_cast<int>(image::kMacroNameUnits));
}

void MacroNameDialog::ask(const QString& initial) {
    setCaptions(host_.caption(text::ids::kMacroName), host_.caption(text::ids::kConfirm),
                host_.caption(text::ids::kClear));
    field()->setText(initial);
    field()->selectAll();
    openCentred();
}

}  // namespace gm::ui
