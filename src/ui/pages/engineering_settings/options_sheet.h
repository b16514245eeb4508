#pragma once
// The "Options" sheet: every field of the Vendor 4..8 option map that the CPI sheet does not show
// (chip type, sensor, package and key matrix, LED drive, EFT and profile behaviour options).

#include <QWidget>

#include "ui/pages/engineering_settings/sheet_kit.h"

namespace gm::ui {

class OptionsSheet final : public QWidget {
    Q_OBJECT
public:
    OptionsSheet(OperationHost& host, QWidget* parent);

    void refresh();

private:
    OperationHost& host_;
    OptionRows options_;
};

}  // namespace gm::ui
