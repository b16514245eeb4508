#pragma once
// The operations of the engineering page's first tab: rebuilding the image from the section
// defaults, the two macro imports, one-step patch programming, and the XDATA group (read and
// write one byte, the change XDATA sequence).

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "ui/host/operation_host.h"
#include "ui/pages/widgets/hex_edit.h"
#include "ui/pages/widgets/skin_button.h"

namespace gm::ui {

class EngineeringOperations final : public QWidget {
    Q_OBJECT
public:
    EngineeringOperations(OperationHost& host, QWidget* parent);

    void retranslate();

private:
    SkinButton* addButton(const char* name);
    // Runs a file operation on the mouse after its open dialog; a cancelled dialog does nothing.
    void runWithFile(SkinButton* button, FileDialog kind,
                     device::Result (*operation)(device::Workspace&, const std::filesystem::path&));
    // Guards a single XDATA access like the window's operations (device, error page).
    bool mouseReady();
    void readClicked();
    void writeClicked();
    void changeClicked();

    OperationHost& host_;
    QGroupBox* image_ = nullptr;
    SkinButton* defaults_ = nullptr;
    SkinButton* baseMacros_ = nullptr;
    SkinButton* fireMacros_ = nullptr;
    SkinButton* patchCode_ = nullptr;
    QGroupBox* xdata_ = nullptr;
    QLabel* addressLabel_ = nullptr;
    QLabel* valueLabel_ = nullptr;
    HexEdit* address_ = nullptr;
    HexEdit* value_ = nullptr;
    SkinButton* read_ = nullptr;
    SkinButton* write_ = nullptr;
    SkinButton* change_ = nullptr;
};

}  // namespace gm::ui
