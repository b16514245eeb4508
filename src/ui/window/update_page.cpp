#include "ui/window/update_page.h"

#include <QGridLayout>
#include <QStyle>

#include "ui/host/window_texts.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/style_sheets.h"
#include "ui/window/backups_dialog.h"

namespace gm::ui {

namespace {}  // namespace

UpdatePage::UpdatePage(OperationHost& host, QWidget* parent)
    : QWidget(parent), host_(host), update_(host.workspace()) {
    setObjectName("Pnl_Update");
    const skin::SkinRect card = skin::update_page::kProgramCard;
    setGeometry(card.x, card.y, card.width, card.height);

    hint_ = new QLabel(this);
    hint_->setObjectName("lbl_UpdateHint");
    hint_->setWordWrap(true);
    hint_->setStyleSheet(skin::styleSheet(skin::Look::Hint));

    load_ = new SkinButton("BtnS", this);
    load_->setObjectName("Btn_LoadBIN");
    path_ = new QLabel(this);
    path_->setObjectName("lbl_LoadBIN");
    path_->setStyleSheet(skin::styleSheet(skin::Look::UpdatePath));
    path_->setMinimumHeight(32);
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    program_ = new SkinButton("BtnS", this);
    program_->setObjectName("Btn_Program");
    backups_ = new SkinButton("BtnS", this);
    backups_->setObjectName("Btn_Backups");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 20, 24, 24);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(16);
    grid->addWidget(hint_, 0, 0, 1, 3);
    grid->addWidget(load_, 1, 0);
    grid->addWidget(path_, 1, 1, 1, 2);
    grid->addWidget(program_, 2, 0);
    grid->addWidget(backups_, 2, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    for (SkinButton* button : {load_, program_, backups_})
        button->setFixedSize(132, 34);

    connect(load_, &QAbstractButton::clicked, this, &UpdatePage::loadClicked);
    connect(program_, &QAbstractButton::clicked, this, &UpdatePage::programClicked);
    connect(backups_, &QAbstractButton::clicked, this, &UpdatePage::backupsClicked);
    retranslate();
    showLoaded();
}

void UpdatePage::opened() {
    update_.openPage();
    showLoaded();
}

void UpdatePage::retranslate() {
    const int lang = host_.language();
    hint_->setText(windowText(WindowText::UpdateHint, lang));
    load_->setText(windowText(WindowText::LoadBin, lang));
    program_->setText(windowText(WindowText::Program, lang));
    backups_->setText(windowText(WindowText::Backups, lang));
    showLoaded();
}

void UpdatePage::showLoaded() {
    const bool loaded = update_.loaded();
    // The path stays selectable and whole in the tool tip; the label shows its end.
    const QString name = QString::fromStdString(update_.fileName());
    path_->setText(loaded
                       ? path_->fontMetrics().elidedText(name, Qt::ElideLeft, path_->width() - 20)
                       : windowText(WindowText::NoFileLoaded, host_.language()));
    path_->setToolTip(loaded ? name : QString());
    path_->setProperty("empty", !loaded);
    path_->style()->unpolish(path_);
    path_->style()->polish(path_);
    // Program has nothing to write until a file is loaded.
    program_->setEnabled(loaded);
}

void UpdatePage::loadClicked() {
    const QString chosen = host_.chooseFile(FileDialog::UpdateFile);
    if (chosen.isEmpty())
        return;
    const device::Result result = update_.loadFile(chosen.toStdString());
    showLoaded();
    if (result.ok())
        host_.sayLine(load_->text() + ": " + chosen, false);
    else
        host_.sayResult(load_->text(), result);
}

void UpdatePage::programClicked() {
    if (!update_.loaded())
        return;
    host_.runImageChange(program_->text(), [this] { return update_.program(); });
}

void UpdatePage::backupsClicked() {
    auto* dialog = new BackupsDialog(host_, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

}  // namespace gm::ui
