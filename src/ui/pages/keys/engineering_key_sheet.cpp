#include "ui/pages/keys/engineering_key_sheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "buttons/aim_key.h"
#include "buttons/assignment.h"
#include "buttons/combo_masks.h"
#include "buttons/fire_keys.h"
#include "buttons/gestures.h"
#include "buttons/key_name.h"
#include "ui/host/operation_host.h"
#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"
#include "ui/pages/keys/key_editor.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

namespace b = gm::buttons;

QLabel* title(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setProperty("role", "title");
    return label;
}

// The combo-enable selectors in the order of ComboSelector, with the name of the buttons each
// one masks.
constexpr std::array<const char*, b::kComboSelectorCount> kComboSelectorNames{
    "cb_MidCom",  "cb_BackCom", "cb_ForwardCom", "cb_CPICom",
    "cb_CPIICom", "cb_CPIDCom", "cb_GunCom"};
constexpr std::array<std::string_view, b::kComboSelectorCount> kComboSelectorCaptions{
    buttons::names::kMiddleClick, buttons::names::kBackward, buttons::names::kForward,
    buttons::names::kDpiLoop,     buttons::names::kDpiUp,    buttons::names::kDpiDown,
    text::ids::kFireMacro};

}  // namespace

EngineeringKeySheet::EngineeringKeySheet(KeyEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
    setObjectName("Pnl_EngineeringKeys");
    setStyleSheet(skin::styleSheet(skin::Look::KeySheet));
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(16, 14, 16, 14);
    columns->setSpacing(24);
    columns->addWidget(buildKeyGrid(), 5);
    columns->addWidget(buildComboGrid(), 3);
    auto* right = new QVBoxLayout;
    right->setSpacing(14);
    right->addWidget(buildFireGrid());
    right->addWidget(buildGestureGrid());
    right->addStretch(1);
    columns->addLayout(right, 4);

    connect(&editor_, &KeyEditor::refreshed, this, &EngineeringKeySheet::refresh);
    connect(&editor_.host().events(), &PageEvents::retranslated, this,
            &EngineeringKeySheet::retranslate);
    retranslate();
}

QWidget* EngineeringKeySheet::buildKeyGrid() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    for (std::size_t p = 0; p < 3; ++p) {
        grid->addWidget(title(editor_.host().term(Term::FirstProfile + static_cast<int>(p)), box),
                        0, static_cast<int>(p) + 1);
        for (std::size_t k = 0; k < 12; ++k) {
            auto* button = new QPushButton(box);
            button->setObjectName(QString("btn_Key%1%2").arg(p + 1).arg(k + 1, 2, 10, QChar('0')));
            button->setCursor(Qt::PointingHandCursor);
            connect(button, &QPushButton::clicked, this, [this, button, p, k] {
                editor_.openMenu(
                    button,
                    {.origin = b::MenuOrigin::EngineeringKey, .key = {p, k}, .comboSlot = 0});
            });
            grid->addWidget(button, static_cast<int>(k) + 1, static_cast<int>(p) + 1);
            keys_[p][k] = button;
        }
    }
    for (int k = 1; k <= 12; ++k)
        grid->addWidget(
            new QLabel(windowText(WindowText::KeyNumber, editor_.host().termLanguage()).arg(k),
                       box),
            k, 0);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(13, 1);
    return box;
}

QWidget* EngineeringKeySheet::buildComboGrid() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    auto* comboTitle = title({}, box);
    comboTitle->setObjectName("lbl_ComboKeys");
    grid->addWidget(comboTitle, 0, 0, 1, 2);
    for (std::size_t slot = 0; slot < combos_.size(); ++slot) {
        grid->addWidget(
            new QLabel(
                windowText(WindowText::ComboKeyNumber, editor_.host().termLanguage()).arg(slot + 1),
                box),
            static_cast<int>(slot) + 1, 0);
        auto* button = new QPushButton(box);
        button->setObjectName(QString("btn_ComboKey%1").arg(slot + 1, 3, 10, QChar('0')));
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, button, slot] {
            editor_.openMenu(
                button, {.origin = b::MenuOrigin::EngineeringCombo, .key = {}, .comboSlot = slot});
        });
        grid->addWidget(button, static_cast<int>(slot) + 1, 1);
        combos_[slot] = button;
    }
    auto* maskTitle = title({}, box);
    maskTitle->setObjectName("lbl_ComboEnable");
    grid->addWidget(maskTitle, 11, 0, 1, 2);
    for (std::size_t i = 0; i < comboMasks_.size(); ++i) {
        auto* caption = new QLabel(box);
        caption->setObjectName(QString(kComboSelectorNames[i]) + "_caption");
        grid->addWidget(caption, static_cast<int>(i) + 12, 0);
        auto* selector = new QComboBox(box);
        selector->setObjectName(kComboSelectorNames[i]);
        for (std::uint8_t mask : b::kComboMaskChoices)
            selector->addItem(
                QString("0x%1").arg(mask, 2, 16, QChar('0')).toUpper().replace("0X", "0x"), mask);
        const auto which = static_cast<b::ComboSelector>(i);
        connect(selector, &QComboBox::activated, this, [this, caption, selector, which](int item) {
            const auto mask = static_cast<std::uint8_t>(selector->itemData(item).toUInt());
            KeyEditor& editor = editor_;
            editor.host().runLiveChange(caption->text(), [&editor, which, mask] {
                return b::applyComboMask(editor.host().workspace(), editor.state(), which, mask);
            });
        });
        grid->addWidget(selector, static_cast<int>(i) + 12, 1);
        comboMasks_[i] = selector;
    }
    grid->setRowMinimumHeight(10, 10);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(19, 1);
    return box;
}

QWidget* EngineeringKeySheet::buildFireGrid() {
    const OperationHost& host = editor_.host();
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    grid->addWidget(title(host.term(Term::FireKey), box), 0, 0);
    grid->addWidget(new QLabel(host.term(Term::Repeat), box), 0, 1);
    grid->addWidget(new QLabel(host.term(Term::Time), box), 0, 2);
    for (std::size_t n = 0; n < 3; ++n) {
        const int row = static_cast<int>(n) + 1;
        const int number = row;
        grid->addWidget(new QLabel(host.term(Term::FirstFireKeySet + static_cast<int>(n)), box),
                        row, 0);
        auto* count = new QComboBox(box);
        count->setObjectName(QString("cb_Fire%1Count").arg(number));
        for (int r = b::kMinRepeat; r <= b::kMaxRepeat; ++r)
            count->addItem(QString::number(r));
        connect(count, &QComboBox::activated, this, [this, n] { applyFireKeys(n); });
        auto* time = new QLineEdit(box);
        time->setObjectName(QString("edt_Fire%1Time").arg(number));
        time->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}"), time));
        connect(time, &QLineEdit::editingFinished, this, [this, n] { applyFireKeys(n); });
        auto* continueBox = new QCheckBox(host.term(Term::Continue), box);
        continueBox->setObjectName(QString("cb_Fire%1Continue").arg(number));
        connect(continueBox, &QCheckBox::clicked, this, [this, n] { applyFireKeys(n); });
        grid->addWidget(count, row, 1);
        grid->addWidget(time, row, 2);
        grid->addWidget(continueBox, row, 3);
        fireCounts_[n] = count;
        fireTimes_[n] = time;
        fireContinues_[n] = continueBox;
    }
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* EngineeringKeySheet::buildGestureGrid() {
    const OperationHost& host = editor_.host();
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    aim_ = new QComboBox(box);
    aim_->setObjectName("cb_AIM");
    for (int cpi : b::kAimCpiLevels)
        aim_->addItem(QString::number(cpi));
    connect(aim_, &QComboBox::activated, this, &EngineeringKeySheet::aimChosen);

    gesture_ = new QComboBox(box);
    gesture_->setObjectName("cb_ChangeFireFun");
    for (int item = 0; item < b::kGestureItemCount; ++item)
        gesture_->addItem(host.term(Term::FirstGameGestureItem + item));
    connect(gesture_, &QComboBox::activated, this, [this](int item) {
        KeyEditor& editor = editor_;
        editor.host().runLiveChange(editor.host().term(Term::GameGesture), [&editor, item] {
            return b::applyGameGesture(editor.host().workspace(), editor.state(), item);
        });
    });

    lightGesture_ = new QComboBox(box);
    lightGesture_->setObjectName("cb_ChangeLEDModeFun");
    for (int item = 0; item < 2; ++item)
        lightGesture_->addItem(host.term(Term::FirstLightGestureItem + item));
    connect(lightGesture_, &QComboBox::activated, this, [this](int item) {
        KeyEditor& editor = editor_;
        editor.host().runLiveChange(editor.host().term(Term::LightGesture), [&editor, item] {
            return b::applyLightGesture(editor.host().workspace(), editor.state(), item == 1);
        });
    });

    gunFireMode_ = new QCheckBox(host.term(Term::GunFireMode), box);
    gunFireMode_->setObjectName("cb_IsGunFireMode");
    connect(gunFireMode_, &QCheckBox::clicked, this, [this](bool on) {
        KeyEditor& editor = editor_;
        editor.host().runLiveChange(gunFireMode_->text(), [&editor, on] {
            return b::applyGunFireMode(editor.host().workspace(), editor.state(), on);
        });
    });

    buttonEffect_ = new QComboBox(box);
    buttonEffect_->setObjectName("cb_BtnEFT");
    for (int item = 0; item < 2; ++item)
        buttonEffect_->addItem(host.term(Term::FirstButtonEffectItem + item));
    connect(buttonEffect_, &QComboBox::activated, this, [this](int item) {
        KeyEditor& editor = editor_;
        editor.host().runLiveChange(editor.host().term(Term::ButtonEffect), [&editor, item] {
            return b::setButtonEffect(editor.host().workspace(), editor.state(), item);
        });
    });

    int row = 0;
    auto addRow = [&](Term termId, QWidget* control) {
        grid->addWidget(new QLabel(host.term(termId), box), row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    };
    addRow(Term::Aim, aim_);
    addRow(Term::GameGesture, gesture_);
    addRow(Term::LightGesture, lightGesture_);
    grid->addWidget(gunFireMode_, row++, 0, 1, 2);
    addRow(Term::ButtonEffect, buttonEffect_);
    grid->setColumnStretch(1, 1);
    return box;
}

void EngineeringKeySheet::applyFireKeys(std::size_t set) {
    b::FireKeySet& edited = editor_.state().fire[set];
    edited.repeat = fireCounts_[set]->currentIndex() + b::kMinRepeat;
    const int time = fireTimes_[set]->text().toInt();
    edited.interval = std::clamp(time, b::kMinInterval, b::kMaxInterval);
    fireTimes_[set]->setText(QString::number(edited.interval));
    edited.continueOn = fireContinues_[set]->isChecked();
    KeyEditor& editor = editor_;
    const Term caption = Term::FirstFireKeySet + static_cast<int>(set);
    editor.host().runLiveChange(editor.host().term(caption), [&editor] {
        return b::applyFireKeys(editor.host().workspace(), editor.state());
    });
}

void EngineeringKeySheet::aimChosen(int item) {
    KeyEditor& editor = editor_;
    editor.host().runLiveChange(editor.host().term(Term::Aim), [&editor, item] {
        return b::spreadAimLevel(editor.host().workspace(), editor.state(), item + 1,
                                 b::AimPage::Engineering)
            .pushed;
    });
    // Without an AIM button the level stays; the selector shows it again.
    refresh();
}

void EngineeringKeySheet::retranslate() {
    const int language = editor_.host().language();
    findChild<QLabel*>("lbl_ComboKeys")->setText(windowText(WindowText::ComboKeys, language));
    findChild<QLabel*>("lbl_ComboEnable")->setText(windowText(WindowText::ComboEnable, language));
    for (std::size_t i = 0; i < comboMasks_.size(); ++i) {
        findChild<QLabel*>(QString(kComboSelectorNames[i]) + "_caption")
            ->setText(editor_.host().caption(kComboSelectorCaptions[i]));
    }
    refresh();
}

void EngineeringKeySheet::refresh() {
    const b::ButtonState& state = editor_.state();
    for (std::size_t p = 0; p < 3; ++p) {
        for (std::size_t k = 0; k < 12; ++k)
            keys_[p][k]->setText(editor_.profileKeyName({p, k}));
    }
    for (std::size_t slot = 0; slot < combos_.size(); ++slot)
        combos_[slot]->setText(editor_.comboKeyName(slot));
    for (std::size_t n = 0; n < 3; ++n) {
        const QSignalBlocker blockCount(fireCounts_[n]);
        fireCounts_[n]->setCurrentIndex(state.fire[n].repeat - b::kMinRepeat);
        if (!fireTimes_[n]->hasFocus())
            fireTimes_[n]->setText(QString::number(state.fire[n].interval));
        fireContinues_[n]->setChecked(state.fire[n].continueOn);
    }
    const QSignalBlocker blockAim(aim_);
    aim_->setCurrentIndex(state.aimLevel - 1);
    const QSignalBlocker blockGesture(gesture_);
    gesture_->setCurrentIndex(state.gestureItem);
    const QSignalBlocker blockLight(lightGesture_);
    lightGesture_->setCurrentIndex(state.lightModeGesture ? 1 : 0);
    gunFireMode_->setChecked(state.gunFireMode);
    const QSignalBlocker blockEffect(buttonEffect_);
    buttonEffect_->setCurrentIndex(state.buttonEffect);
    for (std::size_t i = 0; i < comboMasks_.size(); ++i) {
        const QSignalBlocker blockMask(comboMasks_[i]);
        comboMasks_[i]->setCurrentIndex(comboMasks_[i]->findData(state.comboMasks[i]));
    }
}

}  // namespace gm::ui
