#pragma once
// The engineering fire macro editor (GB_FireMacro): the ten fire macro records by name
// (LB_FireMacroName, renamed with Btn_NewFireName through TForm3), the selected record's events
// (LB_FireMacro) and bytes (mmo_wrscript), Record/Stop (Btn_FireStart) taking the left button
// only, the delay mode (GB_FireDelay: rb_FireRecDelay, rb_FireDelayTime with Edt_FireDelay,
// rb_FireNoDelay), Btn_FireDel and Btn_FireInsert with the insert group. Every change goes to the
// working copy of the record at once; the gun-preset confirmation writes the records.

#include <QGroupBox>
#include <optional>
#include <vector>

#include "host/capture/input_capture.h"
#include "macros/macro_recorder.h"
#include "macros/macro_script.h"

class QLabel;
class QPushButton;

namespace gm::ui {

class DelayModeChoice;
class FireInsertPanel;
class MacroListView;
class MacroNameDialog;
class OperationHost;
class RangeEdit;

class FireMacroEditor final : public QGroupBox, public host::CaptureSink {
    Q_OBJECT
public:
    FireMacroEditor(OperationHost& host, QWidget* parent);

    void keyTransition(const host::KeyTransition& transition) override;
    void buttonTransition(const host::ButtonTransition& transition) override;

protected:
    // A recording ends when the editor is put away (locked, another page or sheet).
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildDelayGroup();
    // The fixed delay's field beside its caption, after the captions changed.
    void layOutDelayGroup();
    void retranslate();
    // Shows the names and, unless a recording or an insert is running, the selected record.
    void refresh();
    void showEvents();
    void showModes();
    void selectRecord(int row);
    std::size_t recordSize() const;

    void toggleRecording();
    void stopRecording();
    void deleteEvent();
    void openInsert();
    void insertChosen();
    void closeInsert();
    void rename();
    // Stores the script's events as the selected record; on a refusal the record is shown again.
    void store();
    std::optional<std::size_t> selectedEvent() const;

    OperationHost& host_;
    MacroListView* names_ = nullptr;
    MacroListView* events_ = nullptr;
    QLabel* bytes_ = nullptr;
    QPushButton* record_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* insert_ = nullptr;
    QPushButton* rename_ = nullptr;
    QWidget* delayGroup_ = nullptr;
    DelayModeChoice* delayChoice_ = nullptr;
    RangeEdit* delay_ = nullptr;
    FireInsertPanel* insertPanel_ = nullptr;
    MacroNameDialog* nameDialog_ = nullptr;

    std::optional<std::size_t> selected_;
    macros::MacroScript script_;
    std::optional<macros::MacroRecorder> recorder_;
    bool inserting_ = false;
};

}  // namespace gm::ui
