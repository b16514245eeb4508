#include "ui/pages/widgets/hex_edit.h"

#include <QFontDatabase>
#include <QRegularExpressionValidator>

namespace gm::ui {

HexEdit::HexEdit(int digits, QWidget* parent) : QLineEdit(parent), digits_(digits) {
    setMaxLength(digits);
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString("[0-9A-Fa-f]{0,%1}").arg(digits)), this));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setAlignment(Qt::AlignCenter);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = cursorPosition();
        setText(text.toUpper());
        setCursorPosition(cursor);
    });
}

std::optional<unsigned> HexEdit::value() const {
    bool ok = false;
    const unsigned parsed = text().toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    // The digits bound the value already; the clamp keeps a pasted longer text in range.
    const unsigned largest = (1u << (4 * digits_)) - 1;
    return std::min(parsed, largest);
}

void HexEdit::setValue(unsigned value) {
    const unsigned largest = (1u << (4 * digits_)) - 1;
    setText(QString("%1").arg(std::min(value, largest), digits_, 16, QChar('0')).toUpper());
}

}  // namespace gm::ui
