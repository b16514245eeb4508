#include "ui/window/message_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/pages/widgets/skin_button.h"
#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

MessageDialog::MessageDialog(const QString& text, const QString& okCaption, QWidget* parent)
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

    auto* ok = new SkinButton("BtnS", this);
    ok->setObjectName("Btn_MessageOk");
    ok->setText(okCaption);
    ok->setFixedSize(112, 32);
    connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 18);
    layout->addWidget(label, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void MessageDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawPixmap(rect(), picture_);
    else
        painter.fillRect(rect(), skin::qColour(skin::colour::kPanel));
}

}  // namespace gm::ui
