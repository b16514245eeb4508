#pragma once
// The automatic backups of the workspace's backup folder, newest first with their time and the
// operation they came before; the chosen one is written back to the mouse after a question.

#include <QDialog>
#include <QLabel>
#include <QTreeWidget>

#include "ui/host/operation_host.h"
#include "ui/pages/widgets/skin_button.h"

namespace gm::ui {

class BackupsDialog final : public QDialog {
    Q_OBJECT
public:
    BackupsDialog(OperationHost& host, QWidget* parent);

    // Lists the folder again (a restore adds a backup of what it replaced).
    void reload();

private:
    void restoreClicked();

    OperationHost& host_;
    QLabel* hint_ = nullptr;
    QTreeWidget* list_ = nullptr;
    SkinButton* restore_ = nullptr;
    SkinButton* close_ = nullptr;
};

}  // namespace gm::ui
