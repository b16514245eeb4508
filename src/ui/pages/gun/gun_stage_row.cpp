#include "ui/pages/gun/gun_stage_row.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

#include "ui/pages/widgets/colour_swatch.h"
#include "ui/skin/page_geometry.h"

namespace gm::ui {

namespace {

using macros::StageField;

constexpr std::array<StageField, 6> kFields{StageField::Count,   StageField::X,
                                            StageField::Y,       StageField::Delay,
                                            StageField::XOffset, StageField::YOffset};

QString nameOf(StageField field, int stage) {
    const QString n = QString::number(stage);
    switch (field) {
        case StageField::Count:
            return "Edt_FireCnt" + n;
        case StageField::X:
            return "Edt_FireX" + n;
        case StageField::Y:
            return "Edt_FireY" + n;
        case StageField::Delay:
            return "Edt_FireTime" + n;
        case StageField::XOffset:
            return "Edt_FireX" + n + "Offset";
        case StageField::YOffset:
            break;
    }
    return "Edt_FireY" + n + "Offset";
}

bool isSigned(StageField field) {
    return field != StageField::Count && field != StageField::Delay;
}

}  // namespace

int gunStageColumn(int i) {
    return skin::gun_page::kStageCard.x + 96 + i * 92;
}

GunStageRow::GunStageRow(OperationHost& host, QWidget* parent, int stage, int top)
    : QObject(parent) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const StageField field = kFields[i];
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(nameOf(field, stage));
        // Digits only, a sign where the field is signed; the core clamps the value.
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(isSigned(field) ? "-?[0-9]{0,4}" : "[0-9]{0,6}"), edit));
        edit->setGeometry(gunStageColumn(static_cast<int>(i)), top, 80, 28);
        edit->setAlignment(Qt::AlignCenter);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            if (text == "-")
                return;  // a sign on its way to a number
            emit edited(field, text.toInt());
        });
        // An emptied field shows the 0 it stands for once the user leaves it.
        connect(edit, &QLineEdit::editingFinished, this, [edit] {
            if (edit->text().isEmpty() || edit->text() == "-")
                edit->setText("0");
        });
        fields_[i] = edit;
    }
    swatch_ = new ColourSwatch(host, parent);
    swatch_->setObjectName(QString("cs_FireColor%1").arg(stage));
    swatch_->setGeometry(gunStageColumn(6) + 8, top + 2, skin::kSwatchFrame.width,
                         skin::kSwatchFrame.height);
    // IB_FireColor: the swatch is the colour button.
    auto* button = new QPushButton(parent);
    button->setObjectName(QString("IB_FireColor%1").arg(stage));
    button->hide();
    connect(button, &QPushButton::clicked, swatch_, &QAbstractButton::click);
    connect(swatch_, &ColourSwatch::chosen, this, &GunStageRow::colourChosen);
}

void GunStageRow::setVisible(bool visible) {
    for (QLineEdit* field : fields_)
        field->setVisible(visible);
    swatch_->setVisible(visible);
}

void GunStageRow::show(const macros::StageValues& values, const QColor& colour) {
    for (std::size_t i = 0; i < kFields.size(); ++i)
        fields_[i]->setText(QString::number(values[kFields[i]]));
    swatch_->setColour(colour);
}

void GunStageRow::showField(StageField field, int value) {
    QLineEdit* edit = fields_[static_cast<std::size_t>(field)];
    const QString text = QString::number(value);
    // While the user types an empty or signed-only field, it stays as typed.
    if (edit->text() != text && !(value == 0 && (edit->text().isEmpty() || edit->text() == "-")))
        edit->setText(text);
}

}  // namespace gm::ui
