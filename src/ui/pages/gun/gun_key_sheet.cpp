#include "ui/pages/gun/gun_key_sheet.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpressionValidator>

#include "macros/fire_stages.h"
#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"
#include "ui/pages/engineering_settings/sheet_kit.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

QStringList numbers(int count) {
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items << QString::number(i);
    return items;
}

QStringList colourItems() {
    QStringList items;
    for (int i = 1; i <= 9; ++i)
        items << QString("LED Color%1").arg(i);
    items << "LED Colo10"
          << "User Color";
    return items;
}

}  // namespace

GunKeys::GunKeys(KeyEditor& editor) : QObject(&editor), editor_(editor) {
    connect(&editor.host().events(), &PageEvents::modelChanged, this, &GunKeys::ensureLoaded);
}

void GunKeys::ensureLoaded() {
    host::MacroLibraryFile* library = editor_.host().macroLibrary();
    if (file_ || library == nullptr)
        return;
    file_ = std::make_unique<host::GunKeyFile>(
        library->path().parent_path() / host::kGunKeyFileName, editor_.host().workspace().files());
    const device::Result loaded = file_->load();
    if (!loaded.ok() || !loaded.notes.empty())
        editor_.host().sayResult(QString::fromUtf8(host::kGunKeyFileName), loaded);
    editor_.useGunKeys(file_->list());
}

device::Result GunKeys::change(const std::function<bool(buttons::GunKeyList&)>& change) {
    ensureLoaded();
    if (!file_)
        return device::Result::fail(device::Failure::FileUnusable, device::Step::SaveFile,
                                    host::kGunKeyFileName);
    device::Result changed = file_->change(change);
    editor_.useGunKeys(file_->list());
    return changed;
}

GunKeySheet::GunKeySheet(KeyEditor& editor, GunKeys& keys, QWidget* parent)
    : QWidget(parent), editor_(editor), keys_(keys) {
    OperationHost& host = editor.host();
    styleSheetPage(*this);
    setStyleSheet(styleSheet() + skin::styleSheet(skin::Look::KeySheet));
    auto* layout = new QHBoxLayout(this);

    QGroupBox* options = makeGroup(this, "GB_SOS", host.term(Term::FireKeySetting));
    auto* grid = new QGridLayout(options);
    keepLeft_ = makeCombo(options, "cb_SOSLB", {"Disable", "Enable"});
    keepLeft_->setCurrentIndex(1);
    start_ = makeCombo(options, "cb_SOSStartIndex", numbers(10));
    number_ = makeCombo(options, "cb_SOSNumber", numbers(10));
    type_ = makeCombo(options, "cb_SOSType", {"Disable", "Enable"});
    colour_ = makeCombo(options, "cb_SOSColor", colourItems());
    addLabel(*grid, 0, 0, host.term(Term::FireKeyKeepsLeft));
    grid->addWidget(keepLeft_, 0, 1);
    addLabel(*grid, 1, 0, host.term(Term::FireKeyStart));
    grid->addWidget(start_, 1, 1);
    addLabel(*grid, 2, 0, host.term(Term::FireKeyNumber));
    grid->addWidget(number_, 2, 1);
    // The offset type stays hidden, as the colour it takes.
    QLabel* typeLabel = addLabel(*grid, 3, 0, "Script Offset Type:");
    grid->addWidget(type_, 3, 1);
    grid->addWidget(colour_, 4, 1);
    for (QWidget* hidden : std::initializer_list<QWidget*>{typeLabel, type_, colour_})
        hidden->hide();
    auto* add = new QPushButton(host.term(Term::NewFireKey), options);
    add->setObjectName("btn_AddScript");
    auto* remove = new QPushButton(host.term(Term::DeleteFireKey), options);
    remove->setObjectName("btn_DelScript");
    grid->addWidget(add, 5, 0);
    grid->addWidget(remove, 5, 1);
    list_ = new QListWidget(options);
    list_->setObjectName("LB_ScriptName");
    list_->setStyleSheet(skin::styleSheet(skin::Look::ImageAreas));
    grid->addWidget(list_, 6, 0, 1, 2);
    layout->addWidget(options);
    connect(add, &QPushButton::clicked, this, &GunKeySheet::addCode);
    connect(remove, &QPushButton::clicked, this, &GunKeySheet::deleteCode);
    connect(list_, &QListWidget::currentRowChanged, this, &GunKeySheet::entrySelected);

    QGroupBox* offsets = makeGroup(this, "GB_FireOffset", host.term(Term::FireKeyOffsets));
    auto* offsetGrid = new QGridLayout(offsets);
    const int language = host.termLanguage();
    for (std::size_t r = 0; r < xOffsets_.size(); ++r) {
        for (const bool xAxis : {true, false}) {
            auto* edit = new QLineEdit(offsets);
            edit->setObjectName(QString(xAxis ? "edt_XOffset%1" : "edt_YOffset%1").arg(r + 1));
            edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression("-?[0-9]{0,4}"), edit));
            const int column = xAxis ? 0 : 2;
            addLabel(
                *offsetGrid, static_cast<int>(r), column,
                windowText(WindowText::FireOffset, language).arg(xAxis ? "X" : "Y").arg(r + 1));
            offsetGrid->addWidget(edit, static_cast<int>(r), column + 1);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, r, xAxis, edit] { offsetEdited(r, xAxis, edit); });
            (xAxis ? xOffsets_ : yOffsets_)[r] = edit;
        }
    }
    layout->addWidget(offsets);
    layout->addStretch(1);
    connect(&host.events(), &PageEvents::modelChanged, this, &GunKeySheet::refreshOffsets);
    keys_.ensureLoaded();
    refreshList(0);
    refreshOffsets();
}

buttons::GunKeyOptions GunKeySheet::options() const {
    return {keepLeft_->currentIndex(), start_->currentIndex(), number_->currentIndex(),
            type_->currentIndex(), colour_->currentIndex()};
}

void GunKeySheet::refreshList(std::optional<std::size_t> select) {
    const QSignalBlocker blocked(list_);
    list_->clear();
    const host::GunKeyFile* file = keys_.file();
    if (file == nullptr || file->list() == nullptr)
        return;
    for (const buttons::MacroEntry& entry : file->list()->entries())
        list_->addItem(QString::fromStdString(entry.name));
    if (select && static_cast<int>(*select) < list_->count()) {
        list_->setCurrentRow(static_cast<int>(*select));
        list_->scrollToItem(list_->currentItem());
    }
}

void GunKeySheet::addCode() {
    const image::KeyCode code = buttons::gunKeyCode(options());
    bool full = false;
    const device::Result added = keys_.change([&](buttons::GunKeyList& list) {
        full = !list.add(code);
        return !full;
    });
    OperationHost& host = editor_.host();
    if (!added.ok())
        host.sayResult(host.term(Term::NewFireKey), added);
    else if (full)
        host.sayLine(windowText(WindowText::GunKeyListFull, host.language()), true);
    refreshList(std::nullopt);
    if (list_->count() > 0) {
        const QSignalBlocker blocked(list_);
        list_->setCurrentRow(list_->count() - 1);
        list_->scrollToBottom();
    }
}

void GunKeySheet::deleteCode() {
    const int row = list_->currentRow();
    if (row < 0)
        return;
    std::optional<std::size_t> select;
    const device::Result removed = keys_.change([&](buttons::GunKeyList& list) {
        const auto slot = list.slotOfEntry(static_cast<std::size_t>(row));
        if (!slot)
            return false;
        select = list.remove(*slot);
        return true;
    });
    if (!removed.ok())
        editor_.host().sayResult(editor_.host().term(Term::DeleteFireKey), removed);
    refreshList(select);
    if (select)
        entrySelected(static_cast<int>(*select));
}

void GunKeySheet::entrySelected(int row) {
    const host::GunKeyFile* file = keys_.file();
    if (row < 0 || file == nullptr || file->list() == nullptr)
        return;
    const auto entries = file->list()->entries();
    if (static_cast<std::size_t>(row) >= entries.size())
        return;
    const buttons::GunKeyOptions loaded = buttons::gunKeyOptionsOf(entries[row].code);
    keepLeft_->setCurrentIndex(loaded.keepLeftItem);
    start_->setCurrentIndex(loaded.startItem);
    number_->setCurrentIndex(loaded.numberItem);
    type_->setCurrentIndex(loaded.typeItem);
    colour_->setCurrentIndex(loaded.colourItem);
}

void GunKeySheet::refreshOffsets() {
    const auto& user = editor_.host().workspace().model().copies.user;
    for (std::size_t r = 0; r < xOffsets_.size(); ++r) {
        for (const bool xAxis : {true, false}) {
            QLineEdit* edit = (xAxis ? xOffsets_ : yOffsets_)[r];
            const std::size_t at =
                (xAxis ? macros::kXOffsetsUserByte : macros::kYOffsetsUserByte) + r;
            const QString text = QString::number(static_cast<std::int8_t>(user[at]));
            // A field being typed in keeps a lone sign.
            if (edit->text() != text && !(edit->hasFocus() && edit->text() == "-"))
                edit->setText(text);
        }
    }
}

void GunKeySheet::offsetEdited(std::size_t record, bool xAxis, QLineEdit* edit) {
    if (edit->text() == "-")
        return;
    const int value = std::clamp(edit->text().toInt(), -128, 127);
    if (edit->text() != QString::number(value))
        edit->setText(QString::number(value));
    OperationHost& host = editor_.host();
    host.runLiveChange(
        windowText(WindowText::FireOffset, host.termLanguage())
            .arg(xAxis ? "X" : "Y")
            .arg(record + 1),
        [&] { return macros::writeFireOffset(host.workspace(), record, xAxis, value); });
}

}  // namespace gm::ui
