#include "ui/pages/fire_editor/fire_macro_editor.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <array>

#include "host/capture/qt_input_capture.h"
#include "image/hex_text.h"
#include "macros/fire_edits.h"
#include "macros/fire_records.h"
#include "ui/host/operation_host.h"
#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"
#include "ui/pages/fire_editor/fire_insert_panel.h"
#include "ui/pages/macros/macro_event_rows.h"
#include "ui/pages/macros/macro_list_view.h"
#include "ui/pages/macros/macro_name_dialog.h"
#include "ui/pages/widgets/delay_mode_choice.h"
#include "ui/pages/widgets/range_edit.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

namespace ids = text::ids;
using macros::DelayMode;
using Take = macros::MacroRecorder::Take;

constexpr int kLeftButtonBit = 0x01;
constexpr int kFieldWidth = 70;

QString recordHex(std::span<const std::uint8_t> record) {
    QStringList bytes;
    for (const std::uint8_t byte : record)
        bytes << QString::fromStdString(image::hexText(byte, 2));
    return bytes.join(' ');
}

}  // namespace

FireMacroEditor::FireMacroEditor(OperationHost& host, QWidget* parent)
    : QGroupBox(parent), host_(host) {
    setObjectName("GB_FireMacro");
    auto* grid = new QGridLayout(this);
    names_ = new MacroListView("LB_FireMacroName", this);
    events_ = new MacroListView("LB_FireMacro", this);
    events_->setItemDelegate(new MacroEventDelegate(events_));
    // The lists look as the macro page's: the event rows are drawn the same.
    for (MacroListView* list : {names_, events_})
        list->setStyleSheet(skin::styleSheet(skin::Look::MacroPage));
    names_->setMaximumWidth(160);
    bytes_ = new QLabel(this);
    bytes_->setObjectName("mmo_wrscript");
    bytes_->setWordWrap(true);
    bytes_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    bytes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const auto addButton = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(name);
        return button;
    };
    record_ = addButton("Btn_FireStart");
    record_->setCheckable(true);
    rename_ = addButton("Btn_NewFireName");
    delete_ = addButton("Btn_FireDel");
    insert_ = addButton("Btn_FireInsert");
    delayGroup_ = buildDelayGroup();
    insertPanel_ = new FireInsertPanel(host_, this);
    insertPanel_->hide();

    grid->addWidget(names_, 0, 0, 3, 1);
    grid->addWidget(rename_, 3, 0);
    grid->addWidget(events_, 0, 1, 3, 2);
    grid->addWidget(delete_, 3, 1);
    grid->addWidget(insert_, 3, 2);
    grid->addWidget(record_, 0, 3);
    grid->addWidget(delayGroup_, 1, 3);
    grid->addWidget(insertPanel_, 2, 3);
    grid->addWidget(bytes_, 4, 0, 1, 4);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);

    connect(names_, &MacroListView::rowChosen, this, &FireMacroEditor::selectRecord);
    connect(record_, &QPushButton::clicked, this, &FireMacroEditor::toggleRecording);
    connect(delete_, &QPushButton::clicked, this, &FireMacroEditor::deleteEvent);
    connect(insert_, &QPushButton::clicked, this, &FireMacroEditor::openInsert);
    connect(rename_, &QPushButton::clicked, this, &FireMacroEditor::rename);
    connect(insertPanel_, &FireInsertPanel::okClicked, this, &FireMacroEditor::insertChosen);
    connect(insertPanel_, &FireInsertPanel::cancelClicked, this, &FireMacroEditor::closeInsert);
    connect(&host_.events(), &PageEvents::modelChanged, this, &FireMacroEditor::refresh);
    connect(&host_.events(), &PageEvents::retranslated, this, &FireMacroEditor::retranslate);
    host_.inputCapture().addCommandWidget(*record_);
    retranslate();
    refresh();
}

QWidget* FireMacroEditor::buildDelayGroup() {
    auto* group = new QWidget(this);
    group->setObjectName("GB_FireDelay");
    delayChoice_ = new DelayModeChoice(host_, "Fire", group);
    connect(delayChoice_, &DelayModeChoice::chosen, this, [this](DelayMode mode) {
        delayChoice_->setMode(mode);
        showModes();
    });
    delay_ = new RangeEdit("Edt_FireDelay", 1, macros::kMaxDelayMs, 50, group);
    delay_->setValue(50);
    return group;
}

void FireMacroEditor::layOutDelayGroup() {
    delayChoice_->resize(delayChoice_->sizeHint());
    const QPoint field = delayChoice_->fieldPosition();
    delay_->setGeometry(field.x(), field.y(), kFieldWidth, DelayModeChoice::kRowHeight - 2);
    delayGroup_->setMinimumSize(field.x() + kFieldWidth, delayChoice_->height());
}

void FireMacroEditor::retranslate() {
    const int language = host_.language();
    setTitle(windowText(WindowText::FireMacroEditor, language));
    delayChoice_->retranslate();
    layOutDelayGroup();
    rename_->setText(host_.caption(ids::kRename));
    delete_->setText(host_.caption(ids::kDelete));
    insert_->setText(host_.caption(ids::kInsert));
    insertPanel_->retranslate();
    showModes();
}

std::size_t FireMacroEditor::recordSize() const {
    return selected_ ? macros::fireRecordSize(host_.workspace().model(), *selected_) : 0;
}

void FireMacroEditor::refresh() {
    const image::ImageModel& model = host_.workspace().model();
    const bool read = !model.copies.fireMacroRecords[0].empty();
    const QSignalBlocker quiet(names_);  // the names are shown again, not chosen
    names_->clear();
    if (read) {
        for (std::size_t i = 0; i < image::kFireMacroCount; ++i)
            names_->addItem(QString::fromStdString(macros::fireMacroName(model, i)));
    } else {
        selected_.reset();
    }
    names_->showSelection(selected_ ? static_cast<int>(*selected_) : -1);
    // A recording or an insert keeps its script until it ends.
    if (!recorder_ && !inserting_) {
        script_.events = selected_ ? macros::fireEventsOf(macros::fireRecord(model, *selected_))
                                   : std::vector<macros::MacroEvent>{};
        showEvents();
    }
    showModes();
}

void FireMacroEditor::selectRecord(int row) {
    if (recorder_ || inserting_) {
        names_->showSelection(selected_ ? static_cast<int>(*selected_) : -1);
        return;
    }
    if (row < 0)
        selected_.reset();
    else
        selected_ = static_cast<std::size_t>(row);
    refresh();
}

void FireMacroEditor::showEvents() {
    const int top = events_->verticalScrollBar()->value();
    const int chosen = events_->selectedRow();
    events_->clear();
    insertEventRows(*events_, 0, script_.events);
    events_->verticalScrollBar()->setValue(top);
    events_->showSelection(std::min(chosen, events_->count() - 1));
    bytes_->setText(selected_ ? recordHex(macros::fireRecord(host_.workspace().model(), *selected_))
                              : QString());
}

void FireMacroEditor::showModes() {
    const bool idle = !recorder_ && !inserting_;
    delayChoice_->setEnabled(idle);
    delay_->setEnabled(idle && delayChoice_->mode() == DelayMode::Fixed);
    record_->setEnabled(selected_.has_value() && !inserting_);
    record_->setChecked(recorder_.has_value());
    record_->setText(host_.caption(recorder_ ? ids::kStop : ids::kRecord));
    for (QPushButton* button : {delete_, insert_, rename_})
        button->setEnabled(selected_.has_value() && idle);
    names_->setEnabled(idle);
    delayGroup_->setVisible(!inserting_);
    insertPanel_->setVisible(inserting_);
    events_->setSelectionMode(recorder_ ? QAbstractItemView::NoSelection
                                        : QAbstractItemView::SingleSelection);
}

std::optional<std::size_t> FireMacroEditor::selectedEvent() const {
    const int row = events_->selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= script_.events.size())
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

void FireMacroEditor::store() {
    const std::string refusal =
        macros::storeFireEvents(host_.workspace(), *selected_, script_.events);
    if (!refusal.empty()) {
        host_.sayLine(QString::fromStdString(refusal), true);
        refresh();
    }
}

// --- Recording ---

void FireMacroEditor::toggleRecording() {
    if (recorder_) {
        stopRecording();
        return;
    }
    if (!selected_ || inserting_) {
        showModes();
        return;
    }
    script_.events.clear();
    showEvents();
    // The events fill the record but its terminator.
    recorder_.emplace(script_, 0, delayChoice_->mode(), delay_->value(), recordSize() - 1);
    host_.inputCapture().start(*this);
    showModes();
}

void FireMacroEditor::stopRecording() {
    if (!recorder_)
        return;
    host_.inputCapture().stop();
    recorder_->finish();
    recorder_.reset();
    store();
    refresh();
}

void FireMacroEditor::hideEvent(QHideEvent* event) {
    QGroupBox::hideEvent(event);
    stopRecording();
}

void FireMacroEditor::keyTransition(const host::KeyTransition&) {
    // A fire macro holds no keys.
}

void FireMacroEditor::buttonTransition(const host::ButtonTransition& transition) {
    if (!recorder_ || transition.button != host::MouseButton::Left)
        return;
    const std::size_t before = script_.events.size();
    const Take take = recorder_->button(kLeftButtonBit, transition.down, transition.at);
    if (take == Take::Recorded) {
        insertEventRows(*events_, static_cast<int>(before),
                        std::span(script_.events).subspan(before));
        events_->scrollToBottom();
    } else if (take == Take::Full) {
        host_.sayLine(windowText(WindowText::FireRecordingFull, host_.language())
                          .arg(static_cast<qulonglong>(recordSize())),
                      false);
        stopRecording();
    }
}

// --- Editing ---

void FireMacroEditor::deleteEvent() {
    const std::optional<std::size_t> chosen = selectedEvent();
    if (!chosen || recorder_ || inserting_)
        return;
    const std::optional<std::size_t> next = deleteListedEvent(host_, script_, *chosen);
    if (!next)
        return;
    store();
    events_->showSelection(static_cast<int>(*next));
}

void FireMacroEditor::openInsert() {
    if (!selected_ || recorder_)
        return;
    inserting_ = true;
    showModes();
}

void FireMacroEditor::insertChosen() {
    if (!inserting_)
        return;
    const std::optional<std::size_t> chosen = selectedEvent();
    if (!chosen && !script_.events.empty())
        return;  // an insert goes before or after an event
    const std::size_t index = chosen.value_or(0);
    const macros::Side side = insertPanel_->side();
    if (!macros::insertFireEvent(script_, index, side, insertPanel_->event(), recordSize())) {
        host_.sayLine(windowText(WindowText::FireMacroFull, host_.language())
                          .arg(static_cast<qulonglong>(recordSize())),
                      true);
        return;
    }
    const std::size_t inserted =
        script_.events.size() == 1 ? 0 : (side == macros::Side::Before ? index : index + 1);
    inserting_ = false;
    store();
    refresh();
    events_->showSelection(static_cast<int>(inserted));
}

void FireMacroEditor::closeInsert() {
    inserting_ = false;
    refresh();
}

void FireMacroEditor::rename() {
    if (!selected_ || recorder_ || inserting_)
        return;
    if (!host_.workspace().model().geometry.hasFireMacroNames) {
        host_.sayLine(windowText(WindowText::FireMacroNoNames, host_.language()), true);
        return;
    }
    if (nameDialog_ == nullptr) {
        nameDialog_ = new MacroNameDialog(host_, window());
        connect(nameDialog_, &SkinDialog::confirmed, this, [this](const QString& name) {
            if (!selected_)
                return;
            const std::string refusal =
                macros::renameFireRecord(host_.workspace(), *selected_, name.toStdString());
            if (!refusal.empty())
                host_.sayLine(QString::fromStdString(refusal), true);
        });
    }
    nameDialog_->ask(
        QString::fromStdString(macros::fireMacroName(host_.workspace().model(), *selected_)));
}

}  // namespace gm::ui
