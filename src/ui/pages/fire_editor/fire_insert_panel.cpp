#include "ui/pages/fire_editor/fire_insert_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "macros/macro_script.h"
#include "ui/host/operation_host.h"
#include "ui/pages/widgets/range_edit.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

namespace ids = text::ids;
using EventKind = macros::MacroEvent::Kind;

// CB_InsertFire's items in order, with where each puts its event.
enum class FireInsert { DelayBefore, DelayAfter, MoveBefore, MoveAfter, RepeatStart, RepeatStop };
constexpr std::array<std::string_view, 6> kKindIds{"Str410", "Str411", "Str450",
                                                   "Str451", "Str456", "Str457"};

}  // namespace

FireInsertPanel::FireInsertPanel(OperationHost& host, QWidget* parent)
    : QWidget(parent),
      host_(host),
      kinds_(new QComboBox(this)),
      delayCaption_(new QLabel(this)),
      delay_(new RangeEdit("Edt_InsertFireDelay", 1, macros::kMaxDelayMs, 50, this)),
      xCaption_(new QLabel(this)),
      x_(new RangeEdit("edt_FireXAxisValue", -128, 127, 0, this)),
      yCaption_(new QLabel(this)),
      y_(new RangeEdit("edt_FireYAxisValue", -128, 127, 0, this)),
      repeatCaption_(new QLabel(this)),
      repeat_(new RangeEdit("edt_FireRepeat", 0, 255, 1, this)),
      ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setObjectName("GB_InsertFire");
    kinds_->setObjectName("CB_InsertFire");
    ok_->setObjectName("Btn_FireOK");
    cancel_->setObjectName("Btn_FireCancel");
    delay_->setValue(50);
    x_->setValue(0);
    y_->setValue(0);
    repeat_->setValue(1);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(kinds_, 0, 0, 1, 2);
    const std::pair<QLabel*, RangeEdit*> fields[] = {
        {delayCaption_, delay_}, {xCaption_, x_}, {yCaption_, y_}, {repeatCaption_, repeat_}};
    int row = 1;
    for (const auto& [caption, field] : fields) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row++, 1);
    }
    grid->addWidget(ok_, row, 0);
    grid->addWidget(cancel_, row, 1);
    grid->setRowStretch(row + 1, 1);
    connect(kinds_, &QComboBox::currentIndexChanged, this, &FireInsertPanel::showFields);
    connect(ok_, &QPushButton::clicked, this, &FireInsertPanel::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &FireInsertPanel::cancelClicked);
    retranslate();
}

void FireInsertPanel::retranslate() {
    const int chosen = std::max(kinds_->currentIndex(), 0);
    kinds_->blockSignals(true);
    kinds_->clear();
    for (std::string_view id : kKindIds)
        kinds_->addItem(host_.caption(id));
    kinds_->setCurrentIndex(chosen);
    kinds_->blockSignals(false);
    delayCaption_->setText(host_.caption(ids::kDelayTime));
    xCaption_->setText(host_.caption(ids::kXValue));
    yCaption_->setText(host_.caption(ids::kYValue));
    repeatCaption_->setText(host_.caption(ids::kRepeatNumber));
    ok_->setText(host_.caption(ids::kOk));
    cancel_->setText(host_.caption(ids::kCancel));
    showFields();
}

void FireInsertPanel::showFields() {
    const auto kind = static_cast<FireInsert>(kinds_->currentIndex());
    const bool delay = kind == FireInsert::DelayBefore || kind == FireInsert::DelayAfter;
    const bool move = kind == FireInsert::MoveBefore || kind == FireInsert::MoveAfter;
    const bool repeat = kind == FireInsert::RepeatStart || kind == FireInsert::RepeatStop;
    for (QWidget* field : {static_cast<QWidget*>(delayCaption_), static_cast<QWidget*>(delay_)})
        field->setVisible(delay);
    for (QWidget* field : std::initializer_list<QWidget*>{xCaption_, x_, yCaption_, y_})
        field->setVisible(move);
    repeatCaption_->setVisible(repeat);
    repeat_->setVisible(repeat);
    // A repeat stop takes no count: the field shows, read-only.
    repeat_->setReadOnly(kind != FireInsert::RepeatStart);
}

macros::MacroEvent FireInsertPanel::event() const {
    switch (static_cast<FireInsert>(kinds_->currentIndex())) {
        case FireInsert::MoveBefore:
        case FireInsert::MoveAfter: {
            macros::MacroEvent move{EventKind::Move};
            move.x = x_->value();
            move.y = y_->value();
            return move;
        }
        case FireInsert::RepeatStart:
            return {EventKind::RepeatStart, false, repeat_->value()};
        case FireInsert::RepeatStop:
            return {EventKind::RepeatEnd};
        default:
            return {EventKind::Delay, false, delay_->value()};
    }
}

macros::Side FireInsertPanel::side() const {
    switch (static_cast<FireInsert>(kinds_->currentIndex())) {
        case FireInsert::DelayAfter:
        case FireInsert::MoveAfter:
        case FireInsert::RepeatStop:
            return macros::Side::After;
        default:
            return macros::Side::Before;
    }
}

}  // namespace gm::ui
