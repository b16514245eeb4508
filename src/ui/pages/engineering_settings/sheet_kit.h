#pragma once
// The building blocks the engineering settings sheets share: the sheet look, labelled rows in a
// grid, a decimal edit that clamps to its maximum, refreshes that never fight a field being typed
// in, the live run of one settings operation, and the rows of the device option map.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "settings/device_options.h"
#include "settings/display.h"
#include "ui/host/operation_host.h"
#include "ui/pages/widgets/hex_edit.h"

namespace gm::ui {

// Digits only; a value above `maximum` is replaced by the maximum's text as it is typed.
class DecimalEdit final : public QLineEdit {
    Q_OBJECT
public:
    DecimalEdit(unsigned maximum, QWidget* parent);

    // The typed value; nothing while the edit is empty.
    std::optional<unsigned> value() const;
    void setValue(unsigned value);

signals:
    // The user changed the text; `value` is already clamped.
    void valueEdited(unsigned value);

private:
    unsigned maximum_;
};

// The look of a sheet: dark panels, muted labels, monospace hex.
void styleSheetPage(QWidget& sheet);
QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title);
QLabel* addLabel(QGridLayout& grid, int row, int column, const QString& text);
QComboBox* makeCombo(QWidget* parent, const QString& name, const QStringList& items);
DecimalEdit* makeDecimal(QWidget* parent, const QString& name, unsigned maximum);
HexEdit* makeHex(QWidget* parent, const QString& name, int digits);
// A small framed square that shows a colour; a click on it chooses another.
QToolButton* makeSwatch(QWidget* parent, const QString& name);
void paintSwatch(QToolButton* swatch, settings::Rgb colour);
// The colour dialog, starting from `initial`; nothing when cancelled.
std::optional<settings::Rgb> askColour(OperationHost& host, settings::Rgb initial);

// Refreshes: each shows the model's value unless the control shows it already (hex values with
// `digits` digits). A decimal edit
// the user is typing in keeps an empty text; `keepIncomplete` keeps a focused hex edit whose text
// is shorter than its digits (an id that is written only when complete).
void showIndex(QComboBox* combo, int index);
void showValue(DecimalEdit* edit, unsigned value);
void showValue(HexEdit* edit, unsigned value, int digits, bool keepIncomplete = false);
void showText(QLineEdit* edit, const QString& text);

// Combo boxes for fields of the Vendor 4..8 option map, each named and captioned as its field.
class OptionRows {
public:
    explicit OptionRows(OperationHost& host) : host_(host) {}
    // Adds the field's label and combo box at (row, column) and (row, column + 1).
    QComboBox* add(QGridLayout& grid, int row, int column, std::string_view field);
    void refresh(const image::ImageModel& model);

private:
    struct Row {
        const settings::OptionField* field;
        QComboBox* combo;
    };
    OperationHost& host_;
    std::vector<Row> rows_;
};

}  // namespace gm::ui
