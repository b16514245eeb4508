#pragma once
// The insert panel Gb_Insert that takes the delay group's place in insert mode: what to insert
// (CB_Insert: a delay, a key, an X/Y movement before or after the selected event, a repeat start
// or stop), its fields (Edt_InsertDelay, edt_XAxisValue, edt_YAxisValue, edt_Repeat), Insert
// Key's recorder (Btn_InsertStart with rb_InsertRecDelay, rb_InsertDelayTime, rb_InsertNoDelay)
// and Btn_OK, Btn_Cancel. The panel only collects; the editor inserts.

#include <QWidget>
#include <array>

#include "macros/macro_script.h"
#include "macros/script_edits.h"
#include "ui/host/operation_host.h"

class QComboBox;
class QLabel;

namespace gm::ui {

class DelayModeChoice;
class RangeEdit;
class SkinButton;

class InsertPanel final : public QWidget {
    Q_OBJECT
public:
    // CB_Insert's items, in their order.
    enum class Kind {
        DelayFront,
        DelayBack,
        KeyFront,
        KeyBack,
        MoveFront,
        MoveBack,
        RepeatStart,
        RepeatStop
    };

    InsertPanel(OperationHost& host, QWidget* card);

    void retranslate();
    Kind kind() const;
    static bool recordsKeys(Kind kind) { return kind == Kind::KeyFront || kind == Kind::KeyBack; }
    static macros::Side sideOf(Kind kind);
    // The event an OK inserts for the kinds that are not recorded.
    macros::MacroEvent event() const;
    macros::DelayMode keyDelayMode() const;
    int delay() const;
    // While Insert Key records: the start button reads "Stop" and the choices are still.
    void showRecording(bool recording);
    SkinButton* startButton() const { return start_; }

signals:
    void okClicked();
    void cancelClicked();
    void startClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layOutFields();

    OperationHost& host_;
    QComboBox* kinds_;
    QLabel* delayLabel_;
    RangeEdit* delay_;
    QLabel* delayUnit_;
    QLabel* xLabel_;
    RangeEdit* x_;
    QLabel* yLabel_;
    RangeEdit* y_;
    QLabel* repeatLabel_;
    RangeEdit* repeat_;
    SkinButton* start_;
    DelayModeChoice* keyDelays_;
    SkinButton* ok_;
    SkinButton* cancel_;
    bool recording_ = false;
};

}  // namespace gm::ui
