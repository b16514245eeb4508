#pragma once
// The update page's controls under its banner: Load BIN with the chosen path, Program, and the
// backups dialog. A file is loaded first and programmed on request; opening the page forgets it.

#include <QLabel>
#include <QWidget>

#include "device/session/patch_update.h"
#include "ui/host/operation_host.h"
#include "ui/pages/widgets/skin_button.h"

namespace gm::ui {

class UpdatePage final : public QWidget {
    Q_OBJECT
public:
    UpdatePage(OperationHost& host, QWidget* parent);

    // The page was opened: the loaded file is forgotten and lbl_LoadBIN cleared.
    void opened();
    void retranslate();

private:
    void loadClicked();
    void programClicked();
    void backupsClicked();
    void showLoaded();

    OperationHost& host_;
    device::session::PatchUpdate update_;
    QLabel* hint_ = nullptr;
    SkinButton* load_ = nullptr;
    QLabel* path_ = nullptr;
    SkinButton* program_ = nullptr;
    SkinButton* backups_ = nullptr;
};

}  // namespace gm::ui
