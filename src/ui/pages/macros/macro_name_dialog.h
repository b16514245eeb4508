#pragma once
// TForm3, "Macro Name": the name of a new or a renamed PC macro, at most 8 characters (UTF-16
// code units, as the name field of the macro file holds them).

#include "ui/host/operation_host.h"
#include "ui/pages/widgets/skin_dialog.h"

namespace gm::ui {

class MacroNameDialog final : public SkinDialog {
    Q_OBJECT
public:
    MacroNameDialog(OperationHost& host, QWidget* window);
    // Opens the dialog with `initial` in the field (a rename starts from the macro's name), in
    // the current language.
    void ask(const QString& initial);

private:
    OperationHost& host_;
};

}  // namespace gm::ui
