#pragma once
// The frame the small one-value dialogs share (the macro name, the chord of the key menu; the
// key and delay dialogs of the macro editor): a skinned panel centred on the window with a
// caption, one field, an optional row of controls under it, and the buttons IB_Confirm
// ("Confirm"), IB_Cancel ("Clear", empties the field) and IB_Close. Enter confirms, or presses
// the focused Clear or Close; Escape closes. It does not block: the window's events go on while
// it is open, and the window stays usable underneath, as the key menu's dialogs are.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace gm::ui {

class SkinButton;

class SkinDialog : public QDialog {
    Q_OBJECT
public:
    // `name`: the dialog's object name (TForm3); `fieldName`: the field's (Edt_MacroName).
    SkinDialog(const char* name, const char* fieldName, QWidget* window);

    void setCaptions(const QString& caption, const QString& confirm, const QString& clear);
    QLineEdit* field() { return field_; }
    // Shows the dialog centred on the window, the field focused.
    void openCentred();

signals:
    // "Confirm" with the field's text; the dialog closes.
    void confirmed(const QString& text);
    // "Clear" emptied the field; the dialog stays open.
    void cleared();

protected:
    // Puts `row` under the field, as wide as the field, `height` high; the dialog grows by it.
    void addRow(QWidget* row, int height);
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeButtons();

    QLabel* caption_;
    QLineEdit* field_;
    SkinButton* confirm_;
    SkinButton* clear_;
    SkinButton* close_;
};

}  // namespace gm::ui
