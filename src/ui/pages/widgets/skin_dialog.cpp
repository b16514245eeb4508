#include "ui/pages/widgets/skin_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "ui/pages/widgets/skin_button.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

constexpr QSize kDialogSize{340, 176};
constexpr QSize kButtonSize{112, 32};
constexpr int kInset = 24;

}  // namespace

SkinDialog::SkinDialog(const char* name, const char* fieldName, QWidget* window)
    : QDialog(window, Qt::Dialog | Qt::FramelessWindowHint),
      caption_(new QLabel(this)),
      field_(new QLineEdit(this)),
      confirm_(new SkinButton("BtnS", this)),
      clear_(new SkinButton("BtnS", this)) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(skin::styleSheet(skin::Look::SmallDialog));
    resize(kDialogSize);

    caption_->setObjectName("lbl_Caption");
    caption_->setGeometry(kInset, 18, width() - 2 * kInset - 40, 24);
    auto* close = new SkinButton("ExitS", this);
    close->setObjectName("IB_Close");
    close->setGeometry(width() - 16 - 32, 14, 32, 32);
    connect(close, &QAbstractButton::clicked, this, &QDialog::reject);

    field_->setObjectName(fieldName);
    field_->setGeometry(kInset, 60, width() - 2 * kInset, 34);

    const int buttonsTop = height() - 24 - kButtonSize.height();
    confirm_->setObjectName("IB_Confirm");
    confirm_->setGeometry(width() / 2 - 6 - kButtonSize.width(), buttonsTop, kButtonSize.width(),
                          kButtonSize.height());
    clear_->setObjectName("IB_Cancel");
    clear_->setGeometry(width() / 2 + 6, buttonsTop, kButtonSize.width(), kButtonSize.height());
    connect(confirm_, &QAbstractButton::clicked, this, [this] {
        const QString text = field_->text();
        accept();
        emit confirmed(text);
    });
    connect(clear_, &QAbstractButton::clicked, this, [this] {
        field_->clear();
        field_->setFocus();
    });
}

void SkinDialog::setCaptions(const QString& caption, const QString& confirm, const QString& clear) {
    caption_->setText(caption);
    confirm_->setText(confirm);
    clear_->setText(clear);
}

void SkinDialog::openCentred() {
    QWidget* window = parentWidget()->window();
    const QPoint centre = window->mapToGlobal(window->rect().center());
    move(centre - QPoint(width() / 2, height() / 2));
    open();
    field_->setFocus();
}

void SkinDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm_->click();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape closes
}

void SkinDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(skin::qColour(skin::colour::kPanel));
    painter.setPen(QPen(skin::qColour(skin::colour::kHairline), 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
}

}  // namespace gm::ui
