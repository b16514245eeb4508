#include "ui/pages/macros/macro_name_dialog.h"

#include <QLineEdit>

#include "image/macro_tables.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

MacroNameDialog::MacroNameDialog(OperationHost& host, const QString& initial, QWidget* window)
    : SkinDialog("TForm3", "Edt_MacroName", window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCaptions(host.caption(text::ids::kMacroName), host.caption(text::ids::kConfirm),
                host.caption(text::ids::kClear));
    field()->setMaxLength(static_cast<int>(image::kMacroNameUnits));
    field()->setText(initial);
    field()->selectAll();
}

}  // namespace gm::ui
