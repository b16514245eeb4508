#include "ui/pages/macros/macro_editor.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "host/capture/qt_input_capture.h"
#include "macros/playback_option.h"
#include "macros/script_edits.h"
#include "ui/host/window_texts.h"
#include "ui/pages/macros/event_dialogs.h"
#include "ui/pages/macros/insert_panel.h"
#include "ui/pages/macros/macro_event_rows.h"
#include "ui/pages/macros/macro_list_view.h"
#include "ui/pages/macros/macro_popup.h"
#include "ui/pages/settings/page_card.h"
#include "ui/pages/widgets/choice_button.h"
#include "ui/pages/widgets/delay_mode_choice.h"
#include "ui/pages/widgets/range_edit.h"
#include "ui/pages/widgets/skin_button.h"
#include "ui/skin/page_geometry.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

namespace ids = text::ids;
using macros::DelayMode;
using macros::MacroEvent;
using Take = macros::MacroRecorder::Take;
using EventKind = MacroEvent::Kind;

constexpr int kRow = 26;
constexpr int kCaptionX = 26;
constexpr int kFieldWidth = 60;
// The delay group's rows: the three delay modes, a hairline's gap, the two playback options.
constexpr int kPlaybackTop = 3 * kRow + 12;

int bitOf(host::MouseButton button) {
    switch (button) {
        case host::MouseButton::Left:
            return 0x01;
        case host::MouseButton::Right:
            return 0x02;
        case host::MouseButton::Middle:
            return 0x04;
        case host::MouseButton::Forward:
            return 0x08;
        case host::MouseButton::Back:
            return 0x10;
    }
    return 0;
}

bool pressOrRelease(const MacroEvent& event) {
    return event.kind == EventKind::Key || event.kind == EventKind::Modifier ||
           event.kind == EventKind::Button;
}

}  // namespace

MacroEditor::MacroEditor(OperationHost& host, PageCard* card, QWidget* window, StoreBody store)
    : QObject(card), host_(host), window_(window), store_(std::move(store)) {
    events_ = new MacroListView("LB_macro", card);
    events_->setItemDelegate(new MacroEventDelegate(events_));
    const skin::SkinRect list = skin::macro_page::kEventList;
    events_->setGeometry(list.x, list.y, list.width, list.height);
    noEvents_ = new QLabel(events_);
    noEvents_->setObjectName("lbl_NoEvents");
    noEvents_->setAlignment(Qt::AlignCenter);
    noEvents_->setGeometry(0, 0, list.width, 60);
    noEvents_->hide();
    record_ = new SkinButton("MacroBtnS", card);
    record_->setObjectName("Btn_Start");
    record_->setCheckable(true);
    record_->setGeometry(card->width() - 12 - skin::kRecordButton.width, 8,
                         skin::kRecordButton.width, skin::kRecordButton.height);
    connect(record_, &QAbstractButton::clicked, this, &MacroEditor::toggleRecording);
    buildOptions(card);
    insert_ = new InsertPanel(host_, card);
    insert_->hide();
    connect(insert_, &InsertPanel::okClicked, this, &MacroEditor::insertChosen);
    connect(insert_, &InsertPanel::cancelClicked, this, [this] { closeInsertPanel(false); });
    connect(insert_, &InsertPanel::startClicked, this, &MacroEditor::toggleInsertRecording);
    buildPopup(window);
    host_.inputCapture().addCommandWidget(*record_);
    host_.inputCapture().addCommandWidget(*insert_->startButton());
    retranslate();
    clear();
}

void MacroEditor::buildOptions(PageCard* card) {
    const skin::SkinRect group = skin::macro_page::kDelayGroup;
    options_ = new QWidget(card);
    options_->setObjectName("Gb_Delay");
    options_->setGeometry(group.x + 4, group.y + 10, group.width - 4, group.height - 10);
    // A playback option: its check mark and caption, a click on either asks.
    const auto addOption = [this](const char* mark, const char* caption, int y,
                                  const std::function<void()>& choose) {
        auto* button = new MarkButton(MarkButton::Kind::Check, options_);
        button->setObjectName(mark);
        button->move(4, y + (kRow - button->height()) / 2);
        auto* label = new CaptionButton(options_);
        label->setObjectName(caption);
        label->move(kCaptionX, y);
        connect(button, &QAbstractButton::clicked, this, choose);
        connect(label, &QAbstractButton::clicked, this, choose);
        return std::pair{button, label};
    };
    delayChoice_ = new DelayModeChoice(host_, "", options_);
    delayChoice_->move(4, 0);
    connect(delayChoice_, &DelayModeChoice::chosen, this, &MacroEditor::chooseDelayMode);
    delay_ = new RangeEdit("Edt_Delay", 1, macros::kMaxDelayMs, 1, options_);
    connect(delay_, &RangeEdit::committed, this, [this](int ms) {
        script_.fixedDelay = ms;
        showModes();
    });

    auto [until, untilCaption] =
        addOption("cb_ReleaseStopEnter", "lbl_ReleaseStopEnter", kPlaybackTop, [this] {
            choosePlayback(script_.playback == macros::kUntilReleased
                               ? std::nullopt
                               : std::optional<std::uint8_t>(macros::kUntilReleased));
        });
    auto [cycles, cyclesCaption] =
        addOption("cb_ReleaseStopCount", "lbl_ReleaseStopCount", kPlaybackTop + kRow, [this] {
            const bool counting = script_.playback && *script_.playback != macros::kUntilReleased;
            choosePlayback(counting ? std::nullopt
                                    : std::optional<std::uint8_t>(stopCount_->value()));
        });
    untilReleased_ = until;
    cycles_ = cycles;
    playbackCaptions_ = {untilCaption, cyclesCaption};
    stopCount_ = new RangeEdit("Edt_StopCount", 1, macros::kMaxCycles, 1, options_);
    stopCount_->setText("1");
    connect(stopCount_, &RangeEdit::committed, this, [this](int count) {
        if (script_.playback && *script_.playback != macros::kUntilReleased &&
            *script_.playback != count)
            choosePlayback(static_cast<std::uint8_t>(count));
    });
}

void MacroEditor::buildPopup(QWidget* window) {
    popup_ = new MacroPopup("Pnl_DevContent", window);
    popup_->addEntry("Btn_Edit", [this] { editEvent(); });
    popup_->addEntry("Btn_Del", [this] { deleteEvent(); });
    popup_->addEntry("Btn_Insert", [this] { openInsertPanel(); });
    connect(events_, &MacroListView::popupAsked, this, [this](QPoint at) {
        if (!editable_ || busy())
            return;
        const std::optional<std::size_t> chosen = selectedEvent();
        const bool editable = chosen && (script_.events[*chosen].kind == EventKind::Delay ||
                                         pressOrRelease(script_.events[*chosen]));
        popup_->setEntryEnabled("Btn_Edit", editable);
        popup_->setEntryEnabled("Btn_Del", chosen.has_value());
        popup_->showAt(at);
    });
}

void MacroEditor::retranslate() {
    record_->setText(host_.caption(recorder_ && !inserting_ ? ids::kStop : ids::kRecord));
    delayChoice_->retranslate();
    playbackCaptions_[0]->setText(host_.caption(ids::kUntilReleased));
    // The Chinese and the neutral tables have no text for it.
    const QString cycles = host_.caption(ids::kNumberOfCycles);
    playbackCaptions_[1]->setText(
        cycles.isEmpty() ? windowText(WindowText::NumberOfCycles, host_.language()) : cycles);
    for (CaptionButton* caption : playbackCaptions_)
        caption->resize(std::min(caption->sizeHint().width(), options_->width() - kCaptionX), kRow);
    noEvents_->setText(windowText(WindowText::NoMacroEvents, host_.language()));
    popup_->setEntryText("Btn_Edit", host_.caption(ids::kEdit));
    popup_->setEntryText("Btn_Del", host_.caption(text::ids::kDelete));
    popup_->setEntryText("Btn_Insert", host_.caption(ids::kInsert));
    const QString tip = windowText(WindowText::RepeatsByMarkers, host_.language());
    for (CaptionButton* caption : playbackCaptions_)
        caption->setToolTip(tip);
    insert_->retranslate();
    showModes();
}

void MacroEditor::show(std::span<const std::uint8_t> body, bool editable, std::size_t key) {
    if (busy())
        return;  // a recording or an insert keeps its script until it ends
    // The page redraws on every change of the model; the list is built again only when the
    // macro shown is another, or changed under the editor.
    const bool other =
        shownKey_ != key || !shownBody_ ||
        !std::equal(body.begin(), body.end(), shownBody_->begin(), shownBody_->end());
    if (other) {
        script_ = macros::scriptOfBody(body);
        shownBody_.emplace(body.begin(), body.end());
        shownKey_ = key;
    }
    if (other || editable != editable_) {
        editable_ = editable;
        showScript();
    }
    showModes();
}

void MacroEditor::clear() {
    if (busy())
        return;
    script_ = {};
    shownBody_.reset();
    shownKey_.reset();
    editable_ = false;
    showScript();
    showModes();
}

bool MacroEditor::busy() const {
    return recorder_.has_value() || inserting_;
}

bool MacroEditor::empty() const {
    return script_.events.empty();
}

void MacroEditor::showScript() {
    const int top = events_->verticalScrollBar()->value();
    const std::optional<std::size_t> selected = selectedEvent();
    events_->clear();
    insertEventRows(*events_, 0, script_.events);
    events_->verticalScrollBar()->setValue(top);
    selectEvent(selected);
    noEvents_->setVisible(shownKey_ && script_.events.empty() && !recorder_);
}

void MacroEditor::showModes() {
    const bool idle = editable_ && !busy();
    delayChoice_->setMode(script_.delayMode);
    delayChoice_->setEnabled(idle);
    delay_->setValue(script_.fixedDelay);
    delay_->setEnabled(idle && script_.delayMode == DelayMode::Fixed);
    delay_->setGeometry(QRect(delayChoice_->fieldPosition(), QSize(kFieldWidth, kRow - 2)));

    // Repeat markers among the events set the repeats; the options would add nothing.
    const bool options = idle && !macros::hasRepeatMarkers(script_);
    const bool until = script_.playback == macros::kUntilReleased;
    const bool counting = script_.playback && !until;
    untilReleased_->setChecked(until);
    playbackCaptions_[0]->setChecked(until);
    cycles_->setChecked(counting);
    playbackCaptions_[1]->setChecked(counting);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             untilReleased_, cycles_, playbackCaptions_[0], playbackCaptions_[1]})
        button->setEnabled(options);
    const bool hinted = idle && !options;
    for (CaptionButton* caption : playbackCaptions_)
        caption->setToolTip(hinted ? windowText(WindowText::RepeatsByMarkers, host_.language())
                                   : QString());
    if (counting)
        stopCount_->setValue(*script_.playback);
    stopCount_->setEnabled(options && counting);
    stopCount_->setReadOnly(!counting);
    stopCount_->setGeometry(
        std::min(kCaptionX + playbackCaptions_[1]->width() + 8, options_->width() - 48),
        kPlaybackTop + kRow + 1, 44, kRow - 2);

    record_->setEnabled(editable_ && (!busy() || (recorder_ && !inserting_)));
    record_->setChecked(recorder_ && !inserting_);
    record_->setText(host_.caption(recorder_ && !inserting_ ? ids::kStop : ids::kRecord));
    // While recording the list shows each event as it comes, and takes no choice.
    events_->setSelectionMode(recorder_ ? QAbstractItemView::NoSelection
                                        : QAbstractItemView::SingleSelection);
}

std::optional<std::size_t> MacroEditor::selectedEvent() const {
    const int row = events_->selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= script_.events.size())
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

void MacroEditor::selectEvent(std::optional<std::size_t> index) {
    if (index && script_.events.empty())
        index.reset();
    if (index)
        index = std::min(*index, script_.events.size() - 1);
    events_->showSelection(index ? static_cast<int>(*index) : -1);
}

bool MacroEditor::storeScript() {
    const macros::EncodedBody encoded = macros::bodyOfScript(script_);
    if (!encoded.fits)
        return false;
    // Known as shown before it is stored: the page's redraw after the store keeps the script.
    shownBody_ = std::vector<std::uint8_t>(encoded.body.begin(), encoded.body.end());
    const std::optional<image::MacroBody> stored = store_(encoded.body);
    if (stored != encoded.body) {
        // Not stored: show what the macro holds.
        script_ = stored ? macros::scriptOfBody(*stored) : macros::MacroScript{};
        shownBody_ = stored
                         ? std::optional(std::vector<std::uint8_t>(stored->begin(), stored->end()))
                         : std::nullopt;
        showScript();
        showModes();
        return false;
    }
    return true;
}

void MacroEditor::toggleRecording() {
    if (recorder_ && !inserting_) {
        stopRecording(true);
        return;
    }
    if (!editable_ || busy() || !host_.mouseReady()) {
        showModes();
        return;
    }
    script_.events.clear();
    showScript();
    startRecording(0, script_.delayMode, script_.fixedDelay);
}

void MacroEditor::startRecording(std::size_t at, DelayMode delays, int fixedDelay) {
    recorder_.emplace(script_, at, delays, fixedDelay);
    host_.inputCapture().start(*this);
    showModes();
    emit busyChanged(true);
}

void MacroEditor::stopRecording(bool keep) {
    if (!recorder_)
        return;
    host_.inputCapture().stop();
    const std::size_t before = script_.events.size();
    const std::size_t at = recorder_->position();
    recorder_->finish();
    insertEventRows(*events_, static_cast<int>(at),
                    std::span(script_.events).subspan(at, script_.events.size() - before));
    recorder_.reset();
    if (inserting_) {
        insert_->showRecording(false);
    } else {
        if (keep)
            storeScript();
        emit busyChanged(false);
    }
    showModes();
}

void MacroEditor::keyTransition(const host::KeyTransition& transition) {
    if (!recorder_)
        return;
    const std::size_t before = script_.events.size();
    const std::size_t at = recorder_->position();
    take(recorder_->key(transition.usage, transition.down, transition.at), before, at);
}

void MacroEditor::buttonTransition(const host::ButtonTransition& transition) {
    if (!recorder_)
        return;
    const std::size_t before = script_.events.size();
    const std::size_t at = recorder_->position();
    take(recorder_->button(bitOf(transition.button), transition.down, transition.at), before, at);
}

void MacroEditor::take(Take take, std::size_t before, std::size_t at) {
    if (take == Take::Recorded) {
        const std::size_t added = script_.events.size() - before;
        insertEventRows(*events_, static_cast<int>(at),
                        std::span(script_.events).subspan(at, added));
        events_->scrollToItem(events_->item(static_cast<int>(at + added - 1)));
        noEvents_->hide();
    } else if (take == Take::Full) {
        host_.sayLine(windowText(WindowText::RecordingFull, host_.language()), false);
        stopRecording(true);
    }
}

void MacroEditor::chooseDelayMode(DelayMode mode) {
    script_.delayMode = mode;
    showModes();
}

void MacroEditor::choosePlayback(std::optional<std::uint8_t> playback) {
    if (!editable_ || busy())
        return;
    const std::optional<std::uint8_t> before = script_.playback;
    script_.playback = playback;
    if (!macros::bodyOfScript(script_).fits) {
        script_.playback = before;
        host_.sayLine(windowText(WindowText::MacroFull, host_.language()), true);
    } else {
        storeScript();
    }
    showModes();
}

void MacroEditor::editEvent() {
    const std::optional<std::size_t> chosen = selectedEvent();
    if (!chosen || !editable_ || busy())
        return;
    const std::size_t index = *chosen;
    const MacroEvent event = script_.events[index];
    if (event.kind == EventKind::Delay) {
        // The dialogs are made on their first use, not with the page.
        if (delayDialog_ == nullptr)
            delayDialog_ = new DelayDialog(host_, window_);
        disconnect(delayDialog_, &DelayDialog::delayChosen, this, nullptr);
        connect(delayDialog_, &DelayDialog::delayChosen, this, [this, index](int ms) {
            if (index >= script_.events.size() || busy())
                return;
            script_.events[index].value = ms;
            storeScript();
            showScript();
        });
        delayDialog_->ask(event.value);
        return;
    }
    if (!pressOrRelease(event))
        return;
    if (keyDialog_ == nullptr)
        keyDialog_ = new KeyDialog(host_, window_);
    disconnect(keyDialog_, &KeyDialog::keyChosen, this, nullptr);
    connect(keyDialog_, &KeyDialog::keyChosen, this, [this, index](std::uint8_t usage) {
        if (index >= script_.events.size() || busy())
            return;
        // The press and its release change together, so no key is left held.
        const std::vector<std::size_t> pair =
            macros::eventsToDelete(script_, index).value_or(std::vector<std::size_t>{index});
        for (const std::size_t at : pair) {
            const std::optional<MacroEvent> key =
                macros::keyEventOf(usage, script_.events[at].down);
            if (!key)
                return;
            script_.events[at] = *key;
        }
        storeScript();
        showScript();
    });
    keyDialog_->ask(event.kind == EventKind::Key ? static_cast<std::uint8_t>(event.value) : 0);
}

void MacroEditor::deleteEvent() {
    const std::optional<std::size_t> chosen = selectedEvent();
    if (!chosen || !editable_ || busy())
        return;
    const std::optional<std::size_t> next = deleteListedEvent(host_, script_, *chosen);
    if (!next)
        return;
    storeScript();
    showScript();
    selectEvent(next);
}

void MacroEditor::openInsertPanel() {
    if (!editable_ || busy())
        return;
    insertTop_ = events_->verticalScrollBar()->value();
    insertSelection_ = selectedEvent();
    inserting_ = true;
    options_->hide();
    insert_->show();
    insert_->raise();
    showModes();
    emit busyChanged(true);
}

void MacroEditor::insertChosen() {
    if (!inserting_)
        return;
    const InsertPanel::Kind kind = insert_->kind();
    if (InsertPanel::recordsKeys(kind)) {
        stopRecording(true);
        closeInsertPanel(true);
        return;
    }
    const std::optional<std::size_t> chosen = selectedEvent();
    if (!chosen && !script_.events.empty())
        return;  // an insert goes before or after an event
    const std::size_t index = chosen.value_or(0);
    const macros::Side side = InsertPanel::sideOf(kind);
    if (!macros::insertEvent(script_, index, side, insert_->event())) {
        host_.sayLine(windowText(WindowText::MacroFull, host_.language()), true);
        return;
    }
    insertSelection_ =
        std::min(side == macros::Side::Before ? index : index + 1, script_.events.size() - 1);
    closeInsertPanel(true);
}

void MacroEditor::toggleInsertRecording() {
    if (!inserting_)
        return;
    if (recorder_) {
        stopRecording(true);
        return;
    }
    const std::optional<std::size_t> chosen = selectedEvent();
    if (!chosen && !script_.events.empty())
        return;
    const std::size_t index = chosen.value_or(0);
    const bool after = InsertPanel::sideOf(insert_->kind()) == macros::Side::After;
    const std::size_t at = script_.events.empty() ? 0 : index + (after ? 1 : 0);
    insert_->showRecording(true);
    startRecording(at, insert_->keyDelayMode(), insert_->delay());
}

void MacroEditor::closeInsertPanel(bool keep) {
    if (recorder_)
        stopRecording(keep);
    inserting_ = false;
    insert_->hide();
    options_->show();
    if (keep) {
        storeScript();
    } else if (shownBody_) {
        script_ = macros::scriptOfBody(*shownBody_);
    }
    showScript();
    events_->verticalScrollBar()->setValue(insertTop_);
    selectEvent(insertSelection_);
    showModes();
    emit busyChanged(false);
}

void MacroEditor::addCommandButton(QWidget* button) {
    host_.inputCapture().addCommandWidget(*button);
}

}  // namespace gm::ui
