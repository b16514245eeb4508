#pragma once
// TForm3, "Macro Name": the name of a new or a renamed PC macro, at most 8 characters (UTF-16
// code units, as the name field of the macro file holds them).

#include "ui/host/operation_host.h"
#include "ui/pages/widgets/skin_dialog.h"

namespace gm::ui {

class MacroNameDialog final : public SkinDialog {
    Q_OBJECT
public:
    // `initial`: the name shown first (a rename starts from the macro's name).
    MacroNameDialog(OperationHost& host, const QString& initial, QWidget* window);
};

}  // namespace gm::ui
