#include "ui/pages/widgets/range_edit.h"

#include <QRegularExpressionValidator>
#include <algorithm>

namespace gm::ui {

RangeEdit::RangeEdit(const char* name, int minimum, int maximum, int fallback, QWidget* parent)
    : QLineEdit(parent), minimum_(minimum), maximum_(maximum), fallback_(fallback) {
    setObjectName(name);
    const int digits = static_cast<int>(QString::number(std::max(maximum, -minimum)).size());
    const QString sign = minimum < 0 ? "-?" : "";
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString("%1[0-9]{0,%2}").arg(sign).arg(digits)), this));
    setAlignment(Qt::AlignRight);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        bool ok = false;
        const int typed = text.toInt(&ok);
        if (ok && (typed > maximum_ || typed < minimum_))
            setText(QString::number(std::clamp(typed, minimum_, maximum_)));
    });
    connect(this, &QLineEdit::editingFinished, this, [this] {
        setValue(value());
        emit committed(value());
    });
}

int RangeEdit::value() const {
    bool ok = false;
    const int typed = text().toInt(&ok);
    if (!ok || typed < minimum_ || typed > maximum_)
        return fallback_;
    return typed;
}

void RangeEdit::setValue(int value) {
    const int shown = value < minimum_ || value > maximum_ ? fallback_ : value;
    if (text() != QString::number(shown))
        setText(QString::number(shown));
}

}  // namespace gm::ui
