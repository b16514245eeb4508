#pragma once
// The macro editor of the Macro page's content card: the selected macro's events (LB_macro),
// Record/Stop (Btn_Start), the delay mode (rb_RecDelay, rb_DelayTime with Edt_Delay,
// rb_NoDelay) and the playback option (lbl_ReleaseStopEnter, lbl_ReleaseStopCount with
// Edt_StopCount), the event popup (Pnl_DevContent: Btn_Edit, Btn_Del, Btn_Insert), the key and
// delay dialogs (TForm4, TForm5) and the insert panel (Gb_Insert). A PC macro is edited; a
// macro of the mouse is only shown. Every change is stored at once through `store`; recording
// shows each event as it comes and stores the macro when it stops.

#include <QObject>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "host/capture/input_capture.h"
#include "image/macro_tables.h"
#include "macros/macro_recorder.h"
#include "macros/macro_script.h"
#include "ui/host/operation_host.h"

class QLabel;
class QWidget;

namespace gm::ui {

class CaptionButton;
class DelayDialog;
class DelayModeChoice;
class InsertPanel;
class KeyDialog;
class MacroListView;
class MacroPopup;
class MarkButton;
class PageCard;
class RangeEdit;
class SkinButton;

class MacroEditor final : public QObject, public host::CaptureSink {
    Q_OBJECT
public:
    // Stores a PC macro's new body; the body the macro holds afterwards (the old one when the
    // store failed, said by the host; nothing when the macro is gone).
    using StoreBody = std::function<std::optional<image::MacroBody>(const image::MacroBody&)>;

    // The window stops the capture before its pages go (a recording may be running then).
    MacroEditor(OperationHost& host, PageCard* card, QWidget* window, StoreBody store);

    // Shows the events of `body` (a PC macro when `editable`; `key` names the selection); the
    // script is read again only for another selection or a body not the one shown, so the
    // chosen modes stay while the user edits.
    void show(std::span<const std::uint8_t> body, bool editable, std::size_t key);
    // Nothing selected.
    void clear();
    bool empty() const;
    void retranslate();
    // Recording or inserting: the page keeps its lists and buttons still meanwhile.
    bool busy() const;
    // The command buttons of the page: a click on one is never recorded.
    void addCommandButton(QWidget* button);

    void keyTransition(const host::KeyTransition& transition) override;
    void buttonTransition(const host::ButtonTransition& transition) override;

signals:
    void busyChanged(bool busy);

private:
    void buildOptions(PageCard* card);
    void buildPopup(QWidget* window);
    void showScript();
    void showModes();
    void setEditable(bool editable);

    void toggleRecording();
    void startRecording(std::size_t at, macros::DelayMode delays, int fixedDelay);
    // Ends a recording; `keep` false throws the recorded events away.
    void stopRecording(bool keep);
    void take(macros::MacroRecorder::Take take, std::size_t before, std::size_t at);

    void chooseDelayMode(macros::DelayMode mode);
    void choosePlayback(std::optional<std::uint8_t> playback);
    void editEvent();
    void deleteEvent();
    void openInsertPanel();
    void insertChosen();
    void toggleInsertRecording();
    void closeInsertPanel(bool keep);
    // Stores the script; false (the script read back from the stored body) when it was not.
    bool storeScript();
    std::optional<std::size_t> selectedEvent() const;
    void selectEvent(std::optional<std::size_t> index);

    OperationHost& host_;
    QWidget* window_;
    StoreBody store_;
    MacroListView* events_ = nullptr;
    QLabel* noEvents_ = nullptr;
    SkinButton* record_ = nullptr;
    QWidget* options_ = nullptr;
    DelayModeChoice* delayChoice_ = nullptr;
    RangeEdit* delay_ = nullptr;
    MarkButton* untilReleased_ = nullptr;
    MarkButton* cycles_ = nullptr;
    std::vector<CaptionButton*> playbackCaptions_;
    RangeEdit* stopCount_ = nullptr;
    MacroPopup* popup_ = nullptr;
    InsertPanel* insert_ = nullptr;
    KeyDialog* keyDialog_ = nullptr;
    DelayDialog* delayDialog_ = nullptr;

    std::optional<std::vector<std::uint8_t>> shownBody_;  // the body the script was read from
    std::optional<std::size_t> shownKey_;
    bool editable_ = false;
    macros::MacroScript script_;
    std::optional<macros::MacroRecorder> recorder_;
    bool inserting_ = false;
    // The list's top row and selection when the insert panel opened, for Cancel.
    int insertTop_ = 0;
    std::optional<std::size_t> insertSelection_;
};

}  // namespace gm::ui
