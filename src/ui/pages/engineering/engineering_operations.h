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

// The look of the engineering sheet's groups, set on the sheet for its operations and test boxes.
inline constexpr const char* kEngineerSheetStyle =
    "QGroupBox { color: #E6E8EB; font-size: 13px; font-weight: 600; border: 1px solid #2A2E37;"
    " border-radius: 8px; margin-top: 10px; padding: 16px 12px 10px 12px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 12px;"
    " top: 0px; padding: 0 4px; }"
    "QLabel { color: #8B93A1; font-size: 12px; font-weight: normal; }"
    "QLineEdit { background: #15171C; color: #E6E8EB; border: 1px solid #2A2E37;"
    " border-radius: 4px; padding: 3px 6px; font-weight: normal; }"
    "QLineEdit:focus { border-color: #2DD4BF; }";

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
