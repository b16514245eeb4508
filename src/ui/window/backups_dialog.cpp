#include "ui/window/backups_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "device/session/profile_transfer.h"
#include "ui/host/window_texts.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {}  // namespace

BackupsDialog::BackupsDialog(OperationHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName("dlgBackups");
    setStyleSheet(skin::styleSheet(skin::Look::BackupsDialog));
    const int lang = host_.language();
    setWindowTitle(windowText(WindowText::BackupsTitle, lang));
    resize(560, 360);

    hint_ = new QLabel(windowText(WindowText::BackupsHint, lang), this);
    hint_->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName("lst_Backups");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(
        {windowText(WindowText::BackupTime, lang), windowText(WindowText::BackupReason, lang)});
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    restore_ = new SkinButton("BtnS", this);
    restore_->setObjectName("Btn_Restore");
    restore_->setText(windowText(WindowText::Restore, lang));
    close_ = new SkinButton("BtnS", this);
    close_->setObjectName("Btn_CloseBackups");
    close_->setText(windowText(WindowText::Close, lang));
    for (SkinButton* button : {restore_, close_})
        button->setFixedSize(120, 32);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(restore_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);
    layout->addWidget(hint_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(restore_, &QAbstractButton::clicked, this, &BackupsDialog::restoreClicked);
    connect(close_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            [this] { restore_->setEnabled(!list_->selectedItems().isEmpty()); });
    reload();
}

void BackupsDialog::reload() {
    list_->clear();
    const int lang = host_.language();
    const image::files::BackupStore* store = host_.workspace().backups();
    std::string error;
    const std::vector<image::files::BackupEntry> entries =
        store != nullptr ? store->list(error) : std::vector<image::files::BackupEntry>{};
    for (const image::files::BackupEntry& entry : entries) {
        auto* item = new QTreeWidgetItem(
            list_, {QString::fromStdString(entry.stamp), QString::fromStdString(entry.reason)});
        item->setToolTip(0, QString::fromStdString(entry.path.string()));
    }
    if (store == nullptr)
        hint_->setText(windowText(WindowText::NoBackupFolder, lang));
    else if (!error.empty())
        hint_->setText(QString::fromStdString(error));
    else if (entries.empty())
        hint_->setText(windowText(WindowText::NoBackups, lang));
    else
        hint_->setText(windowText(WindowText::BackupsHint, lang));
    // Newest first: the list's first row is backup number 1.
    if (!entries.empty())
        list_->setCurrentItem(list_->topLevelItem(0));
    restore_->setEnabled(!entries.empty());
}

void BackupsDialog::restoreClicked() {
    QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr)
        return;
    const int row = list_->indexOfTopLevelItem(item);
    const QString question =
        windowText(WindowText::RestoreQuestion, host_.language()).arg(item->text(0), item->text(1));
    if (!host_.confirm(question))
        return;
    const auto number = static_cast<std::size_t>(row) + 1;
    host_.runImageChange(restore_->text(), [this, number] {
        return device::session::restoreBackup(host_.workspace(), number);
    });
    reload();
}

}  // namespace gm::ui
