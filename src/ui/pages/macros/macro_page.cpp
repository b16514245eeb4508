#include "ui/pages/macros/macro_page.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <utility>

#include "host/files/macro_exchange.h"
#include "macros/body_scan.h"
#include "macros/device_macros.h"
#include "macros/macro_name.h"
#include "macros/pc_macros.h"
#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"
#include "ui/pages/macros/macro_editor.h"
#include "ui/pages/macros/macro_list_view.h"
#include "ui/pages/macros/macro_name_dialog.h"
#include "ui/pages/macros/macro_popup.h"
#include "ui/pages/settings/page_card.h"
#include "ui/pages/widgets/skin_button.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

using macros::MacroOutcome;
using macros::Refusal;
namespace ids = text::ids;

constexpr int kInset = 12;
constexpr int kButtonGap = 8;
constexpr int kRowGap = 8;
const QSize kButton{skin::kMacroButton.width, skin::kMacroButton.height};

// The top of a card's row `fromBottom` of buttons (0: the last row).
int buttonRow(const QWidget* card, int fromBottom) {
    return card->height() - kInset - kButton.height() - fromBottom * (kButton.height() + kRowGap);
}

SkinButton* toolButton(const char* name, QWidget* card, int column, int fromBottom) {
    auto* button = new SkinButton("MacroS", card);
    button->setObjectName(name);
    button->setGeometry(kInset + column * (kButton.width() + kButtonGap),
                        buttonRow(card, fromBottom), kButton.width(), kButton.height());
    return button;
}

QString nameText(const image::MacroName& name) {
    return QString::fromStdString(macros::decodeMacroName(name));
}

}  // namespace

MacroPage::MacroPage(OperationHost& host, QWidget* page)
    : QObject(page), host_(host), window_(page->window()) {
    page->setStyleSheet(page->styleSheet() + skin::styleSheet(skin::Look::MacroPage));
    buildListCard(page);
    buildStorageCard(page);
    buildContentCard(page);
    buildPopups();
    connect(&host_.events(), &PageEvents::modelChanged, this, &MacroPage::refresh);
    connect(&host_.events(), &PageEvents::retranslated, this, &MacroPage::retranslate);
    connect(&host_.events(), &PageEvents::pageShown, this, [this] {
        pcPopup_->hidePanel();
        devicePopup_->hidePanel();
    });
    retranslate();
    refresh();
}

void MacroPage::buildListCard(QWidget* page) {
    auto* card = new PageCard(skin::macro_page::kListCard, "Pnl_MacroList", page);
    cards_[0] = card;
    pcList_ = new MacroListView("LB_PCMacroName", card);
    pcList_->setGeometry(kInset, PageCard::kContentTop, card->width() - 2 * kInset,
                         buttonRow(card, 1) - PageCard::kContentTop - 12);
    new_ = toolButton("Btn_New", card, 0, 1);
    delete_ = toolButton("btn_Delete", card, 1, 1);
    addToMouse_ = toolButton("Btn_Add_Mouse", card, 0, 0);
    connect(new_, &QAbstractButton::clicked, this, &MacroPage::newMacro);
    connect(delete_, &QAbstractButton::clicked, this, &MacroPage::deletePcMacro);
    connect(addToMouse_, &QAbstractButton::clicked, this, &MacroPage::addToMouse);
    connect(pcList_, &MacroListView::rowChosen, this, &MacroPage::choosePcRow);
}

void MacroPage::buildStorageCard(QWidget* page) {
    auto* card = new PageCard(skin::macro_page::kStorageCard, "Pnl_MacroStorage", page);
    cards_[1] = card;
    deviceList_ = new MacroListView("LB_MacroName", card);
    deviceList_->setGeometry(kInset, PageCard::kContentTop, card->width() - 2 * kInset,
                             buttonRow(card, 1) - PageCard::kContentTop - 12);
    areaUsed_ = new QLabel(card);
    areaUsed_->setObjectName("lbl_MacroAreaUsed");
    areaUsed_->setGeometry(kInset, buttonRow(card, 1), card->width() - 2 * kInset,
                           kButton.height());
    deleteFromMouse_ = toolButton("Btn_delete_mouse", card, 0, 0);
    connect(deleteFromMouse_, &QAbstractButton::clicked, this, &MacroPage::deleteFromMouse);
    connect(deviceList_, &MacroListView::rowChosen, this, &MacroPage::chooseDeviceRow);
}

void MacroPage::buildContentCard(QWidget* page) {
    auto* card = new PageCard(skin::macro_page::kContentCard, "Pnl_MacroContent", page);
    cards_[2] = card;
    editor_ = new MacroEditor(host_, card, window_,
                              [this](const image::MacroBody& body) { return storeBody(body); });
    for (SkinButton* command : {new_, delete_, addToMouse_, deleteFromMouse_})
        editor_->addCommandButton(command);
    connect(editor_, &MacroEditor::busyChanged, this, &MacroPage::refresh);
}

std::optional<image::MacroBody> MacroPage::storeBody(const image::MacroBody& body) {
    if (!pcRecord_)
        return std::nullopt;
    const image::PcMacroStore& store = host_.workspace().pcMacros();
    const std::string name = macros::decodeMacroName(store.records[*pcRecord_].name);
    runLibrary(host_.caption(ids::kMacroContent), [&] {
        // Found again by its name: the file may have changed since it was shown.
        const auto again = macros::findPcMacro(host_.workspace().pcMacros(), name);
        return again ? macros::setPcMacroBody(host_.workspace(), *again, body)
                     : MacroOutcome::refuse(Refusal::NotFound, name);
    });
    pcRecord_ = macros::findPcMacro(store, name);
    if (!pcRecord_)
        return std::nullopt;
    return store.records[*pcRecord_].body;
}

void MacroPage::buildPopups() {
    pcPopup_ = new MacroPopup("Pnl_PCMacro", window_);
    pcPopup_->addEntry("Btn_NewMacro", [this] { newMacro(); });
    pcPopup_->addEntry("Btn_NewName", [this] { renameMacro(); });
    pcPopup_->addEntry("Btn_DelPCMacro", [this] { deletePcMacro(); });
    pcPopup_->addEntry("Btn_ImportOne", [this] { importOne(); });
    pcPopup_->addEntry("Btn_Import", [this] { importAll(); });
    pcPopup_->addEntry("Btn_ExportOne", [this] { exportOne(); });
    pcPopup_->addEntry("Btn_Export", [this] { exportAll(); });
    pcPopup_->addEntry("Btn_AddMacro", [this] { addToMouse(); });
    devicePopup_ = new MacroPopup("Pnl_DevMacro", window_);
    devicePopup_->addEntry("Btn_DelMacro", [this] { deleteFromMouse(); });
    devicePopup_->addEntry("Btn_DevExport", [this] { exportDevice(); });

    // A right press drops the other list's selection and hides the other popup.
    connect(pcList_, &MacroListView::rightPressed, this, [this] {
        devicePopup_->hidePanel();
        deviceSlot_.reset();
        deviceList_->showSelection(-1);
    });
    connect(deviceList_, &MacroListView::rightPressed, this, [this] {
        pcPopup_->hidePanel();
        pcRecord_.reset();
        pcList_->showSelection(-1);
    });
    connect(pcList_, &MacroListView::popupAsked, this, [this](QPoint at) {
        refresh();
        pcPopup_->showAt(at);
    });
    connect(deviceList_, &MacroListView::popupAsked, this, [this](QPoint at) {
        refresh();
        devicePopup_->showAt(at);
    });
}

void MacroPage::retranslate() {
    cards_[0]->setTitle(host_.caption(ids::kMacroList));
    cards_[1]->setTitle(host_.caption(ids::kStorageInMouse));
    cards_[2]->setTitle(host_.caption(ids::kMacroContent));
    new_->setText(host_.caption(ids::kNewMacro));
    delete_->setText(host_.caption(ids::kDeleteMacro));
    addToMouse_->setText(host_.caption(ids::kAddToMouse));
    deleteFromMouse_->setText(host_.caption(ids::kDelete));
    const std::pair<const char*, std::string_view> pcEntries[] = {
        {"Btn_NewMacro", ids::kNewMacro},      {"Btn_NewName", ids::kRename},
        {"Btn_DelPCMacro", ids::kDeleteMacro}, {"Btn_ImportOne", ids::kImportOne},
        {"Btn_Import", ids::kImportAll},       {"Btn_ExportOne", ids::kExportOne},
        {"Btn_Export", ids::kExportAll},       {"Btn_AddMacro", ids::kAddToMouse}};
    for (const auto& [name, id] : pcEntries)
        pcPopup_->setEntryText(name, host_.caption(id));
    devicePopup_->setEntryText("Btn_DelMacro", host_.caption(ids::kDelete));
    devicePopup_->setEntryText("Btn_DevExport", host_.caption(ids::kExportAll));
    editor_->retranslate();
    refresh();
}

void MacroPage::refresh() {
    // Rebuilding the lists is no choice of the user's.
    const QSignalBlocker quietPc(pcList_);
    const QSignalBlocker quietDevice(deviceList_);
    const image::PcMacroStore& store = host_.workspace().pcMacros();
    const std::vector<std::size_t> listed = macros::listedRecords(store);
    if (pcRecord_ && std::find(listed.begin(), listed.end(), *pcRecord_) == listed.end())
        pcRecord_.reset();
    pcList_->clear();
    int pcRow = -1;
    for (std::size_t row = 0; row < listed.size(); ++row) {
        pcList_->addItem(nameText(store.records[listed[row]].name));
        if (pcRecord_ == listed[row])
            pcRow = static_cast<int>(row);
    }
    pcList_->showSelection(pcRow);

    const image::DeviceMacroTables& tables = host_.workspace().model().macros;
    const std::size_t stored = macros::deviceMacroCount(tables);
    if (deviceSlot_ && *deviceSlot_ >= stored)
        deviceSlot_.reset();
    deviceList_->clear();
    for (std::size_t slot = 0; slot < stored; ++slot)
        deviceList_->addItem(nameText(tables.entries[slot].name));
    deviceList_->showSelection(deviceSlot_ ? static_cast<int>(*deviceSlot_) : -1);
    areaUsed_->setText(windowText(WindowText::MacroAreaUsed, host_.language()).arg(tables.total));

    // While the editor records or inserts, the lists and their buttons keep still.
    const bool still = editor_->busy();
    pcList_->setEnabled(!still);
    deviceList_->setEnabled(!still);
    const bool full = listed.size() >= image::kPcMacroRecords;
    new_->setEnabled(!full && !still);
    pcPopup_->setEntryEnabled("Btn_NewMacro", !full);
    for (const char* entry : {"Btn_NewName", "Btn_DelPCMacro", "Btn_ExportOne", "Btn_AddMacro"})
        pcPopup_->setEntryEnabled(entry, pcRecord_.has_value());
    delete_->setEnabled(pcRecord_.has_value() && !still);
    addToMouse_->setEnabled(pcRecord_.has_value() && !still);
    deleteFromMouse_->setEnabled(deviceSlot_.has_value() && !still);
    devicePopup_->setEntryEnabled("Btn_DelMacro", deviceSlot_.has_value());
    showEvents();
}

void MacroPage::showEvents() {
    if (pcRecord_) {
        editor_->show(host_.workspace().pcMacros().records[*pcRecord_].body, true, *pcRecord_);
    } else if (deviceSlot_) {
        const image::DeviceMacroSlot& slot = host_.workspace().model().macros.entries[*deviceSlot_];
        editor_->show(std::span(slot.body).first(slot.length - image::kMacroNameSize), false,
                      image::kPcMacroRecords + *deviceSlot_);
    } else {
        editor_->clear();
    }
}

void MacroPage::choosePcRow(int row) {
    const std::vector<std::size_t> listed = macros::listedRecords(host_.workspace().pcMacros());
    pcRecord_.reset();
    if (row >= 0 && static_cast<std::size_t>(row) < listed.size()) {
        pcRecord_ = listed[static_cast<std::size_t>(row)];
        deviceSlot_.reset();
    }
    refresh();
}

void MacroPage::chooseDeviceRow(int row) {
    deviceSlot_.reset();
    if (row >= 0) {
        deviceSlot_ = static_cast<std::size_t>(row);
        pcRecord_.reset();
    }
    refresh();
}

std::optional<MacroOutcome> MacroPage::runLibrary(const QString& what,
                                                  const std::function<MacroOutcome()>& op) {
    host::MacroLibraryFile* library = host_.macroLibrary();
    if (library == nullptr)
        return std::nullopt;
    MacroOutcome outcome;
    const auto ran = host_.runImageChange(what, [&] {
        outcome = library->change(host_.workspace(), op);
        return outcome.result;
    });
    if (!ran)
        return std::nullopt;
    sayRefusal(what, outcome);
    return outcome;
}

std::optional<MacroOutcome> MacroPage::runDevice(const QString& what,
                                                 const std::function<MacroOutcome()>& op) {
    MacroOutcome outcome;
    const auto ran = host_.runImageChange(what, [&] {
        outcome = op();
        return outcome.result;
    });
    if (!ran)
        return std::nullopt;
    sayRefusal(what, outcome);
    return outcome;
}

void MacroPage::sayRefusal(const QString& what, const MacroOutcome& outcome) {
    if (!outcome.refused())
        return;
    // The messages the user must answer; a full list or an empty selection is said in passing.
    const bool dialog = outcome.refusal != Refusal::SlotsFull &&
                        outcome.refusal != Refusal::LibraryFull &&
                        outcome.refusal != Refusal::NotFound;
    host_.sayRefusal(what, macros::messageOf(outcome), dialog);
}

void MacroPage::newMacro() {
    if (!host_.mouseReady() ||
        macros::listedRecords(host_.workspace().pcMacros()).size() >= image::kPcMacroRecords)
        return;
    askName({}, [this](const QString& name) {
        const auto outcome = runLibrary(host_.caption(ids::kNewMacro), [&] {
            return macros::newPcMacro(host_.workspace(), name.toStdString());
        });
        if (outcome && outcome->ok() && outcome->index) {
            pcRecord_ = outcome->index;
            deviceSlot_.reset();
            refresh();
        }
    });
}

void MacroPage::askName(const QString& initial, std::function<void(const QString&)> named) {
    if (nameDialog_ == nullptr) {
        nameDialog_ = new MacroNameDialog(host_, window_);
        connect(nameDialog_, &SkinDialog::confirmed, this, [this](const QString& text) {
            if (named_)
                std::exchange(named_, nullptr)(text);
        });
    }
    named_ = std::move(named);
    nameDialog_->ask(initial);
}

void MacroPage::renameMacro() {
    if (!pcRecord_ || !host_.mouseReady())
        return;
    const image::MacroName old = host_.workspace().pcMacros().records[*pcRecord_].name;
    askName(nameText(old), [this, old](const QString& name) {
        runLibrary(host_.caption(ids::kRename), [&] {
            // Found again by its name: the file may have changed since the dialog opened.
            const auto again =
                macros::findPcMacro(host_.workspace().pcMacros(), macros::decodeMacroName(old));
            if (!again)
                return MacroOutcome::refuse(Refusal::NotFound, macros::decodeMacroName(old));
            return macros::renamePcMacro(host_.workspace(), *again, name.toStdString());
        });
    });
}

void MacroPage::deletePcMacro() {
    if (!pcRecord_)
        return;
    const std::string name =
        macros::decodeMacroName(host_.workspace().pcMacros().records[*pcRecord_].name);
    const auto outcome = runLibrary(host_.caption(ids::kDeleteMacro), [&] {
        const auto again = macros::findPcMacro(host_.workspace().pcMacros(), name);
        return again ? macros::deletePcMacro(host_.workspace(), *again)
                     : MacroOutcome::refuse(Refusal::NotFound, name);
    });
    if (outcome && !outcome->refused()) {
        pcRecord_ = outcome->index;
        refresh();
    }
}

void MacroPage::importOne() {
    if (!host_.mouseReady())
        return;
    const QString file = host_.chooseFile(FileDialog::ImportMacros);
    if (file.isEmpty())
        return;
    const QString what = host_.caption(ids::kImportOne);
    const host::ExchangeFile read =
        host::readExchangeFile(file.toStdString(), host::kOneMacroFileSize, "macro");
    if (!read.result.ok()) {
        host_.sayResult(what, read.result);
        return;
    }
    const auto outcome = runLibrary(what, [&] {
        MacroOutcome imported = macros::importOnePcMacro(host_.workspace(), read.bytes);
        if (imported.refusal == Refusal::NoRecord)
            imported.subject = file.toStdString();
        imported.result.notes.insert(imported.result.notes.begin(), read.result.notes.begin(),
                                     read.result.notes.end());
        return imported;
    });
    if (outcome && outcome->ok() && outcome->index) {
        pcRecord_ = outcome->index;
        deviceSlot_.reset();
        refresh();
    }
}

void MacroPage::importAll() {
    if (!host_.mouseReady())
        return;
    const QString file = host_.chooseFile(FileDialog::ImportMacros);
    if (file.isEmpty())
        return;
    const QString what = host_.caption(ids::kImportAll);
    const host::ExchangeFile read =
        host::readExchangeFile(file.toStdString(), host::kAllMacrosFileSize, "macro list");
    if (!read.result.ok()) {
        host_.sayResult(what, read.result);
        return;
    }
    if (!host_.confirm(windowText(WindowText::ReplaceMacroList, host_.language())
                           .arg(QFileInfo(file).fileName())))
        return;
    pcRecord_.reset();
    runLibrary(what, [&] {
        macros::importAllPcMacros(host_.workspace(), read.bytes);
        MacroOutcome imported;
        imported.result.notes = read.result.notes;
        return imported;
    });
}

QString MacroPage::exportFile() {
    QString file = host_.chooseFile(FileDialog::ExportMacros);
    if (!file.isEmpty() && !file.endsWith(".bin", Qt::CaseInsensitive))
        file += ".bin";
    return file;
}

void MacroPage::writeExport(const QString& what, std::span<const std::uint8_t> bytes) {
    const QString file = exportFile();
    if (file.isEmpty())
        return;
    host_.runImageChange(what, [&] {
        return host::writeExchangeFile(host_.workspace().files(), file.toStdString(), bytes);
    });
}

void MacroPage::exportOne() {
    if (!pcRecord_ || !host_.mouseReady())
        return;
    const std::vector<std::uint8_t> bytes =
        macros::recordBytes(host_.workspace().pcMacros().records[*pcRecord_]);
    writeExport(host_.caption(ids::kExportOne), bytes);
}

void MacroPage::exportAll() {
    if (!host_.mouseReady())
        return;
    const std::vector<std::uint8_t> bytes = macros::storeBytes(host_.workspace().pcMacros());
    writeExport(host_.caption(ids::kExportAll), bytes);
}

void MacroPage::exportDevice() {
    if (!host_.mouseReady())
        return;
    const macros::MacroArea area = macros::deviceAreaExport(host_.workspace().model().macros);
    writeExport(host_.caption(ids::kExportAll), area);
}

void MacroPage::addToMouse() {
    if (!pcRecord_)
        return;
    const image::PcMacroRecord record = host_.workspace().pcMacros().records[*pcRecord_];
    const auto outcome = runDevice(host_.caption(ids::kAddToMouse),
                                   [&] { return macros::addToMouse(host_.workspace(), record); });
    if (outcome && !outcome->refused() && outcome->index) {
        deviceSlot_ = outcome->index;
        pcRecord_.reset();
        refresh();
    }
}

void MacroPage::deleteFromMouse() {
    if (!deviceSlot_)
        return;
    const std::size_t slot = *deviceSlot_;
    const auto outcome = runDevice(host_.caption(ids::kDelete), [&] {
        return macros::deleteFromMouse(host_.workspace(), slot);
    });
    if (outcome && !outcome->refused()) {
        deviceSlot_ = outcome->index;
        refresh();
    }
}

void buildMacroPage(OperationHost& host, QWidget* page) {
    new MacroPage(host, page);
}

}  // namespace gm::ui
