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
constexpr QRect kField{kInset, 60, kDialogSize.width() - 2 * kInset, 34};
constexpr int kRowGap = 14;  // between the field and a row under it

}  // namespace

SkinDialog::SkinDialog(const char* name, const char* fieldName, QWidget* window)
    : QDialog(window, Qt::Dialog | Qt::FramelessWindowHint),
      caption_(new QLabel(this)),
      field_(new QLineEdit(this)),
      confirm_(new SkinButton("BtnS", this)),
      clear_(new SkinButton("BtnS", this)),
      close_(new SkinButton("ExitS", this)) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(skin::styleSheet(skin::Look::SmallDialog));
    resize(kDialogSize);

    caption_->setObjectName("lbl_Caption");
    caption_->setGeometry(kInset, 18, width() - 2 * kInset - 40, 24);
    close_->setObjectName("IB_Close");
    close_->setGeometry(width() - 16 - 32, 14, 32, 32);
    connect(close_, &QAbstractButton::clicked, this, &QDialog::reject);

    field_->setObjectName(fieldName);
    field_->setGeometry(kField);

    confirm_->setObjectName("IB_Confirm");
    clear_->setObjectName("IB_Cancel");
    placeButtons();
    connect(confirm_, &QAbstractButton::clicked, this, [this] {
        const QString text = field_->text();
        accept();
        emit confirmed(text);
    });
    connect(clear_, &QAbstractButton::clicked, this, [this] {
        field_->clear();
        field_->setFocus();
        emit cleared();
    });
}

void SkinDialog::placeButtons() {
    const int buttonsTop = height() - 24 - kButtonSize.height();
    confirm_->setGeometry(width() / 2 - 6 - kButtonSize.width(), buttonsTop, kButtonSize.width(),
                          kButtonSize.height());
    clear_->setGeometry(width() / 2 + 6, buttonsTop, kButtonSize.width(), kButtonSize.height());
}

void SkinDialog::addRow(QWidget* row, int height) {
    row->setParent(this);
    row->setGeometry(kField.left(), kField.bottom() + 1 + kRowGap, kField.width(), height);
    resize(width(), this->height() + kRowGap + height);
    placeButtons();
    // Tab goes from the field through the row's controls to the buttons.
    QWidget* previous = field_;
    for (QWidget* control : row->findChildren<QWidget*>()) {
        if (control->focusPolicy() & Qt::TabFocus) {
            setTabOrder(previous, control);
            previous = control;
        }
    }
    for (QWidget* button : {static_cast<QWidget*>(confirm_), static_cast<QWidget*>(clear_),
                            static_cast<QWidget*>(close_)}) {
        setTabOrder(previous, button);
        previous = button;
    }
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
        const QWidget* focused = focusWidget();
        (focused == clear_ ? clear_ : focused == close_ ? close_ : confirm_)->click();
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
