#include "ui/pages/macros/insert_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>

#include "ui/pages/widgets/delay_mode_choice.h"
#include "ui/pages/widgets/range_edit.h"
#include "ui/pages/widgets/skin_button.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_pictures.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

namespace ids = text::ids;
using Kind = InsertPanel::Kind;

constexpr int kInset = 12;
constexpr int kRow = 26;
constexpr int kFieldsTop = 44;
constexpr int kFieldWidth = 64;
const QSize kButton{skin::kMacroButton.width, skin::kMacroButton.height};

QLabel* fieldLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

SkinButton* panelButton(const char* name, QWidget* parent) {
    auto* button = new SkinButton("MacroS", parent);
    button->setObjectName(name);
    button->resize(kButton);
    return button;
}

}  // namespace

InsertPanel::InsertPanel(OperationHost& host, QWidget* card)
    : QWidget(card),
      host_(host),
      kinds_(new QComboBox(this)),
      delayLabel_(fieldLabel("lbl_InsertDelay", this)),
      delay_(new RangeEdit("Edt_InsertDelay", 1, macros::kMaxDelayMs, 1, this)),
      delayUnit_(fieldLabel("lbl_InsertDelayUnit", this)),
      xLabel_(fieldLabel("lbl_XAxis", this)),
      x_(new RangeEdit("edt_XAxisValue", -128, 127, 0, this)),
      yLabel_(fieldLabel("lbl_YAxis", this)),
      y_(new RangeEdit("edt_YAxisValue", -128, 127, 0, this)),
      repeatLabel_(fieldLabel("lbl_Repeat", this)),
      repeat_(new RangeEdit("edt_Repeat", 1, 255, 1, this)),
      start_(panelButton("Btn_InsertStart", this)),
      keyDelays_(new DelayModeChoice(host, "Insert", this)),
      ok_(panelButton("Btn_OK", this)),
      cancel_(panelButton("Btn_Cancel", this)) {
    setObjectName("Gb_Insert");
    setGeometry(skin::macro_page::kDelayGroup.x, skin::macro_page::kDelayGroup.y,
                skin::kInsertPanel.width, skin::kInsertPanel.height);
    kinds_->setObjectName("CB_Insert");
    kinds_->setGeometry(kInset, 10, width() - 2 * kInset, 28);
    delay_->setText("10");
    x_->setText("0");
    y_->setText("0");
    repeat_->setText("2");
    keyDelays_->move(kInset, kFieldsTop);
    connect(keyDelays_, &DelayModeChoice::chosen, keyDelays_, &DelayModeChoice::setMode);
    const int buttonsTop = height() - kInset - kButton.height();
    cancel_->move(width() - kInset - kButton.width(), buttonsTop);
    ok_->move(cancel_->x() - 8 - kButton.width(), buttonsTop);
    connect(kinds_, &QComboBox::currentIndexChanged, this, &InsertPanel::layOutFields);
    connect(ok_, &QAbstractButton::clicked, this, &InsertPanel::okClicked);
    connect(cancel_, &QAbstractButton::clicked, this, &InsertPanel::cancelClicked);
    connect(start_, &QAbstractButton::clicked, this, &InsertPanel::startClicked);
    retranslate();
}

void InsertPanel::retranslate() {
    const int chosen = std::max(kinds_->currentIndex(), 0);
    const QSignalBlocker quiet(kinds_);
    kinds_->clear();
    for (const std::string_view id : ids::kInsertKinds)
        kinds_->addItem(host_.caption(id));
    kinds_->setCurrentIndex(chosen);  // the choice survives a language switch
    delayUnit_->setText(host_.caption(ids::kMs));
    xLabel_->setText(host_.caption(ids::kXValue));
    yLabel_->setText(host_.caption(ids::kYValue));
    repeatLabel_->setText(host_.caption(ids::kRepeatNumber));
    keyDelays_->retranslate();
    keyDelays_->resize(keyDelays_->sizeHint());
    ok_->setText(host_.caption(ids::kOk));
    cancel_->setText(host_.caption(ids::kCancel));
    start_->setText(host_.caption(recording_ ? ids::kStop : ids::kRecord));
    layOutFields();
}

Kind InsertPanel::kind() const {
    return static_cast<Kind>(std::clamp(kinds_->currentIndex(), 0, 7));
}

macros::Side InsertPanel::sideOf(Kind kind) {
    switch (kind) {
        case Kind::DelayFront:
        case Kind::KeyFront:
        case Kind::MoveFront:
        case Kind::RepeatStart:
            return macros::Side::Before;
        default:
            return macros::Side::After;
    }
}

macros::DelayMode InsertPanel::keyDelayMode() const {
    return keyDelays_->mode();
}

int InsertPanel::delay() const {
    return delay_->value();
}

macros::MacroEvent InsertPanel::event() const {
    using EventKind = macros::MacroEvent::Kind;
    switch (kind()) {
        case Kind::MoveFront:
        case Kind::MoveBack: {
            macros::MacroEvent move{EventKind::Move};
            move.x = x_->value();
            move.y = y_->value();
            return move;
        }
        case Kind::RepeatStart:
            return {EventKind::RepeatStart, false, repeat_->value()};
        case Kind::RepeatStop:
            return {EventKind::RepeatEnd};
        default:
            return {EventKind::Delay, false, delay_->value()};
    }
}

void InsertPanel::showRecording(bool recording) {
    recording_ = recording;
    kinds_->setEnabled(!recording);
    keyDelays_->setEnabled(!recording);
    delay_->setEnabled(!recording);
    start_->setText(host_.caption(recording ? ids::kStop : ids::kRecord));
    start_->setChecked(recording);
}

void InsertPanel::layOutFields() {
    const Kind chosen = kind();
    const bool keys = recordsKeys(chosen);
    const bool delays = chosen == Kind::DelayFront || chosen == Kind::DelayBack;
    const bool moves = chosen == Kind::MoveFront || chosen == Kind::MoveBack;
    const bool repeats = chosen == Kind::RepeatStart;

    // Insert Key: the three delay choices, the fixed one with its value, and the recorder's
    // button at the right of the first row.
    keyDelays_->setVisible(keys);
    start_->move(width() - kInset - kButton.width(), kFieldsTop);
    start_->setVisible(keys);

    // The delay value: a row of its own, or beside the fixed-delay choice.
    const QPoint fixedField = keyDelays_->fieldPosition();
    const int delayY = keys ? fixedField.y() - 1 : kFieldsTop;
    const int delayX = keys ? fixedField.x() : kInset + 96;
    delayLabel_->setText(host_.caption(ids::kDelayTime));
    delayLabel_->setGeometry(kInset, delayY, 92, kRow);
    delayLabel_->setVisible(delays);
    delay_->setGeometry(delayX, delayY + 1, kFieldWidth, kRow - 2);
    delay_->setVisible(delays || keys);
    delayUnit_->setGeometry(delayX + kFieldWidth + 6, delayY, 40, kRow);
    delayUnit_->setVisible(delays || keys);

    const int half = (width() - 2 * kInset) / 2;
    xLabel_->setGeometry(kInset, kFieldsTop, 60, kRow);
    x_->setGeometry(kInset + 62, kFieldsTop + 1, 56, kRow - 2);
    yLabel_->setGeometry(kInset + half, kFieldsTop, 60, kRow);
    y_->setGeometry(kInset + half + 62, kFieldsTop + 1, 56, kRow - 2);
    for (QWidget* field : std::initializer_list<QWidget*>{xLabel_, x_, yLabel_, y_})
        field->setVisible(moves);
    repeatLabel_->setGeometry(kInset, kFieldsTop, 120, kRow);
    repeat_->setGeometry(kInset + 124, kFieldsTop + 1, 56, kRow - 2);
    repeatLabel_->setVisible(repeats);
    repeat_->setVisible(repeats);
    update();
}

void InsertPanel::paintEvent(QPaintEvent*) {
    const Kind chosen = kind();
    const char* picture = recordsKeys(chosen) ? "InsertKeyBase"
                          : chosen == Kind::MoveFront || chosen == Kind::MoveBack
                              ? "InsertXYBase"
                              : "InsertDelayBase";
    QPainter(this).drawPixmap(rect(), skin::skinPixmap(picture));
}

}  // namespace gm::ui
