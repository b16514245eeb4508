#include "ui/pages/engineering_settings/sheet_kit.h"

#include <QRegularExpressionValidator>

#include "ui/pages/engineering_settings/sheet_texts.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

constexpr int kRowHeight = 22;

int digitsOf(unsigned value) {
    return static_cast<int>(QString::number(value).size());
}

}  // namespace

DecimalEdit::DecimalEdit(unsigned maximum, QWidget* parent) : QLineEdit(parent), maximum_(maximum) {
    setMaxLength(digitsOf(maximum));
    setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
    setAlignment(Qt::AlignRight);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        bool ok = false;
        const unsigned typed = text.toUInt(&ok);
        if (!ok)
            return;
        if (typed > maximum_)
            setText(QString::number(maximum_));
        emit valueEdited(std::min(typed, maximum_));
    });
}

std::optional<unsigned> DecimalEdit::value() const {
    bool ok = false;
    const unsigned parsed = text().toUInt(&ok);
    if (!ok)
        return std::nullopt;
    return std::min(parsed, maximum_);
}

void DecimalEdit::setValue(unsigned value) {
    setText(QString::number(std::min(value, maximum_)));
}

void styleSheetPage(QWidget& sheet) {
    sheet.setStyleSheet(skin::styleSheet(skin::Look::SettingsSheet));
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    return group;
}

QLabel* addLabel(QGridLayout& grid, int row, int column, const QString& text) {
    auto* label = new QLabel(text, grid.parentWidget());
    label->setFixedHeight(kRowHeight);
    grid.addWidget(label, row, column);
    return label;
}

QComboBox* makeCombo(QWidget* parent, const QString& name, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setFixedHeight(kRowHeight);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

DecimalEdit* makeDecimal(QWidget* parent, const QString& name, unsigned maximum) {
    auto* edit = new DecimalEdit(maximum, parent);
    edit->setObjectName(name);
    edit->setFixedSize(12 + 8 * digitsOf(maximum), kRowHeight);
    return edit;
}

HexEdit* makeHex(QWidget* parent, const QString& name, int digits) {
    auto* edit = new HexEdit(digits, parent);
    edit->setObjectName(name);
    edit->setFixedSize(16 + 9 * digits, kRowHeight);
    return edit;
}

QToolButton* makeSwatch(QWidget* parent, const QString& name) {
    auto* swatch = new QToolButton(parent);
    swatch->setObjectName(name);
    swatch->setFixedSize(kRowHeight, kRowHeight);
    swatch->setCursor(Qt::PointingHandCursor);
    return swatch;
}

void paintSwatch(QToolButton* swatch, settings::Rgb colour) {
    swatch->setStyleSheet(skin::swatchStyle(QColor(colour.red, colour.green, colour.blue)));
}

std::optional<settings::Rgb> askColour(OperationHost& host, settings::Rgb initial) {
    const auto chosen = host.chooseColour(QColor(initial.red, initial.green, initial.blue));
    if (!chosen)
        return std::nullopt;
    return settings::Rgb{static_cast<std::uint8_t>(chosen->red()),
                         static_cast<std::uint8_t>(chosen->green()),
                         static_cast<std::uint8_t>(chosen->blue())};
}

void showIndex(QComboBox* combo, int index) {
    if (combo->currentIndex() != index)
        combo->setCurrentIndex(index);
}

void showValue(DecimalEdit* edit, unsigned value) {
    const auto shown = edit->value();
    if (shown == value)
        return;
    if (!shown && edit->hasFocus())
        return;
    edit->setValue(value);
}

void showValue(HexEdit* edit, unsigned value, int digits, bool keepIncomplete) {
    if (edit->value() == value)
        return;
    if (keepIncomplete && edit->hasFocus() && edit->text().size() < digits)
        return;
    edit->setText(QString("%1").arg(value, digits, 16, QChar('0')).toUpper());
}

void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

QComboBox* OptionRows::add(QGridLayout& grid, int row, int column, std::string_view field) {
    const settings::OptionField* option = settings::optionNamed(field);
    Q_ASSERT(option != nullptr);
    QStringList items;
    for (std::string_view item : option->items)
        items << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
    const QString caption = optionCaption(host_, field);
    addLabel(grid, row, column, caption);
    QComboBox* combo = makeCombo(grid.parentWidget(), optionControlName(field), items);
    grid.addWidget(combo, row, column + 1);
    QObject::connect(combo, &QComboBox::activated, combo, [this, option, caption](int item) {
        host_.runLiveChange(caption, [this, option, item] {
            return settings::setOption(host_.workspace(), *option, static_cast<std::size_t>(item));
        });
    });
    rows_.push_back({option, combo});
    return combo;
}

void OptionRows::refresh(const image::ImageModel& model) {
    for (const Row& row : rows_)
        showIndex(row.combo, static_cast<int>(settings::optionItemOf(*row.field, model)));
}

}  // namespace gm::ui
