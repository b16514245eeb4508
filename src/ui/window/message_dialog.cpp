#include "ui/window/message_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/pages/widgets/skin_button.h"
#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

constexpr QSize kButtonSize{112, 32};

}  // namespace

MessageDialog::MessageDialog(const QString& text, const QString& okCaption, QWidget* parent)
    : MessageDialog(text, okCaption, QString(), parent) {}

MessageDialog::MessageDialog(const QString& text, const QString& yesCaption,
                             const QString& noCaption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("dlgMessage");
    setAttribute(Qt::WA_TranslucentBackground);
    picture_ = skin::skinPixmap("MSG");
    resize(picture_.isNull() ? QSize(360, 160) : picture_.deviceIndependentSize().toSize());

    auto* label = new QLabel(text, this);
    label->setObjectName("lbl_Message");
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(skin::styleSheet(skin::Look::DialogText));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    default_ = addButton(yesCaption, "Btn_MessageOk");
    connect(default_, &QAbstractButton::clicked, this, &QDialog::accept);
    buttons->addWidget(default_);
    if (!noCaption.isEmpty()) {
        SkinButton* cancel = addButton(noCaption, "Btn_MessageCancel");
        connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
        buttons->addWidget(cancel);
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 18);
    layout->addWidget(label, 1);
    layout->addLayout(buttons);
}

SkinButton* MessageDialog::addButton(const QString& caption, const char* name) {
    auto* button = new SkinButton("BtnS", this);
    button->setObjectName(name);
    button->setText(caption);
    button->setFixedSize(kButtonSize);
    return button;
}

void MessageDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    default_->setFocus(Qt::TabFocusReason);
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: {
            // The button that has the focus answers; with none focused, the default one.
            auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
            (focused != nullptr ? focused : default_)->click();
            return;
        }
        default:
            QDialog::keyPressEvent(event);  // Escape rejects
    }
}

void MessageDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawPixmap(rect(), picture_);
    else
        painter.fillRect(rect(), skin::qColour(skin::colour::kPanel));
}

}  // namespace gm::ui
