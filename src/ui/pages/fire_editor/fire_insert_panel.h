#pragma once
// The fire macro editor's insert group (GB_InsertFire): CB_InsertFire's six kinds (a delay, a
// movement before or after the selected event, a repeat start before it, a repeat stop after
// it) with the field each takes (Edt_InsertFireDelay, edt_FireXAxisValue and edt_FireYAxisValue,
// edt_FireRepeat), Btn_FireOK and Btn_FireCancel.

#include <QWidget>

#include "macros/macro_events.h"
#include "macros/script_edits.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace gm::ui {

class OperationHost;
class RangeEdit;

class FireInsertPanel final : public QWidget {
    Q_OBJECT
public:
    FireInsertPanel(OperationHost& host, QWidget* parent);
    void retranslate();

    // The event the chosen kind and its fields make, and where it goes.
    macros::MacroEvent event() const;
    macros::Side side() const;

signals:
    void okClicked();
    void cancelClicked();

private:
    void showFields();

    OperationHost& host_;
    QComboBox* kinds_;
    QLabel* delayCaption_;
    RangeEdit* delay_;
    QLabel* xCaption_;
    RangeEdit* x_;
    QLabel* yCaption_;
    RangeEdit* y_;
    QLabel* repeatCaption_;
    RangeEdit* repeat_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace gm::ui
