#include "ui/pages/keys/key_side_panel.h"

#include <QRegularExpressionValidator>
#include <QStyle>

#include "buttons/aim_key.h"
#include "buttons/fire_key_fields.h"
#include "buttons/fire_keys.h"
#include "buttons/gestures.h"
#include "buttons/key_name.h"
#include "buttons/key_tables.h"
#include "ui/host/operation_host.h"
#include "ui/host/window_texts.h"
#include "ui/pages/keys/aim_bar.h"
#include "ui/pages/keys/check_toggle.h"
#include "ui/pages/keys/key_editor.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/language_table.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

// One style sheet for the whole panel: a style sheet per control costs a style of its own each,
// which made this panel the slowest part of the window's start.

constexpr int kInset = 12;
constexpr int kNameWidth = 64;
constexpr int kRepeatWidth = 40;
constexpr int kIntervalWidth = 52;
constexpr int kColumnGap = 6;
constexpr int kRowPitch = 28;
constexpr int kToggleTop = 236;
constexpr int kToggleGap = 4;

int valueOf(const QLineEdit* field) {
    return field->text().toInt();
}

}  // namespace

KeySidePanel::KeySidePanel(KeyEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName("Pnl_KeySide");
    const skin::SkinRect card = skin::key_page::kSidePanel;
    setGeometry(card.x, card.y, card.width, card.height);
    setStyleSheet(skin::styleSheet(skin::Look::KeySidePanel));

    auto label = [this](const char* role) {
        auto* made = new QLabel(this);
        made->setProperty("role", role);
        return made;
    };
    fireTitle_ = label("title");
    for (QLabel*& heading : fireHeadings_) {
        heading = label("heading");
        heading->setWordWrap(true);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    }
    // One validator per column: each compiles its expression.
    auto* repeatDigits = new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), this);
    auto* intervalDigits = new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}"), this);
    for (std::size_t n = 0; n < 3; ++n) {
        const int number = static_cast<int>(n) + 1;
        setNames_[n] = label("name");
        repeats_[n] = new QLineEdit(this);
        repeats_[n]->setObjectName(QString("Edt_Repeat%1").arg(number));
        repeats_[n]->setValidator(repeatDigits);
        intervals_[n] = new QLineEdit(this);
        intervals_[n]->setObjectName(QString("Edt_DelayTime%1").arg(number));
        intervals_[n]->setValidator(intervalDigits);
        for (QLineEdit* field : {repeats_[n], intervals_[n]}) {
            connect(field, &QLineEdit::editingFinished, this, [this, n] { fieldLeft(n); });
        }
        connect(repeats_[n], &QLineEdit::textEdited, this, [this, n] { repeatEdited(n); });
        connect(intervals_[n], &QLineEdit::textEdited, this, [this, n] { intervalEdited(n); });
        continues_[n] = new CheckToggle(this);
        continues_[n]->setObjectName(QString("lbl_Fire%1Continue").arg(number));
        connect(continues_[n], &QAbstractButton::clicked, this, [this, n] { continueClicked(n); });
    }

    aimTitle_ = label("title");
    aimValue_ = new QLabel(this);
    aimValue_->setObjectName("lbl_AIMDPIValue");
    aimValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    aimBar_ = new AimBar(this);
    aimBar_->setSliderStyle(editor_.host().programSettings().sliderLevelStyle);
    connect(aimBar_, &AimBar::levelClicked, this, &KeySidePanel::aimClicked);

    gestureTitle_ = label("title");
    // Only the size is set: the family follows the window's language.
    QFont toggleFont;
    toggleFont.setPixelSize(11);
    for (std::size_t i = 0; i < toggles_.size(); ++i) {
        toggles_[i] = new CheckToggle(this);
        toggles_[i]->setFont(toggleFont);
        toggles_[i]->setObjectName(QString("IB_ComboKey%1").arg(i + 1));
        const int toggle = static_cast<int>(i) + 1;
        connect(toggles_[i], &QAbstractButton::clicked, this,
                [this, toggle] { toggleClicked(toggle); });
    }
    place();
    retranslate();
    refresh();
}

void KeySidePanel::place() {
    const int inner = width() - 2 * kInset;
    fireTitle_->setGeometry(kInset, 10, inner, 20);
    const int repeatX = kInset + kNameWidth + kColumnGap;
    const int intervalX = repeatX + kRepeatWidth + kColumnGap;
    const int continueX = intervalX + kIntervalWidth + kColumnGap;
    // Centred over their fields, a little wider than them.
    const int headingWidth = kIntervalWidth;
    fireHeadings_[0]->setGeometry(repeatX + (kRepeatWidth - headingWidth) / 2, 32, headingWidth,
                                  30);
    fireHeadings_[1]->setGeometry(intervalX, 32, headingWidth, 30);
    fireHeadings_[2]->setGeometry(continueX, 32, width() - kInset - continueX, 30);
    fireHeadings_[2]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    for (std::size_t n = 0; n < 3; ++n) {
        const int y = 66 + static_cast<int>(n) * kRowPitch;
        setNames_[n]->setGeometry(kInset, y, kNameWidth, 24);
        repeats_[n]->setGeometry(repeatX, y, kRepeatWidth, 24);
        intervals_[n]->setGeometry(intervalX, y, kIntervalWidth, 24);
        continues_[n]->setGeometry(continueX, y, skin::kCheckMark.width + 4, 24);
    }
    aimTitle_->setGeometry(kInset, 160, inner / 2, 20);
    aimValue_->setGeometry(kInset + inner / 2, 160, inner - inner / 2, 20);
    aimBar_->move(kInset + (inner - aimBar_->width()) / 2, 186);
    gestureTitle_->setGeometry(kInset, 210, inner, 20);
    placeToggles();
}

void KeySidePanel::placeToggles() {
    const int inner = width() - 2 * kInset;
    int y = kToggleTop;
    for (CheckToggle* toggle : toggles_) {
        if (toggle->isHidden())
            continue;
        const int height = toggle->heightForWidth(inner);
        toggle->setGeometry(kInset, y, inner, height);
        y += height + kToggleGap;
    }
}

void KeySidePanel::retranslate() {
    const OperationHost& host = editor_.host();
    fireTitle_->setText(host.caption(text::ids::kFireKey));
    // "Repeat(2-15)" may break before its range.
    fireHeadings_[0]->setText(host.caption(text::ids::kRepeat).replace("(", "\u200B("));
    fireHeadings_[1]->setText(host.caption(text::ids::kFiringInterval));
    fireHeadings_[2]->setText(host.caption(text::ids::kContinue));
    for (std::size_t n = 0; n < 3; ++n) {
        setNames_[n]->setText(host.caption(buttons::names::fireKeyId(n)));
        continues_[n]->setToolTip(host.caption(text::ids::kContinue));
    }
    aimTitle_->setText(host.caption(buttons::names::kAimKey));
    gestureTitle_->setText(windowText(WindowText::Gestures, host.language()));
    for (std::size_t i = 0; i < toggles_.size(); ++i)
        toggles_[i]->setText(
            host.caption(text::textKey(text::ids::kFirstComboToggleNumber + static_cast<int>(i))));
    placeToggles();
}

void KeySidePanel::pageShown(Page page) {
    gunToggleShown_ = page == Page::Profile2 && editor_.host().programSettings().gunDisplay;
    toggles_[7]->setVisible(gunToggleShown_);
    placeToggles();
}

void KeySidePanel::refresh() {
    const buttons::ButtonState& state = editor_.state();
    for (std::size_t n = 0; n < 3; ++n) {
        // The user's typing wins over a refresh until the field is left.
        if (!repeats_[n]->hasFocus())
            repeats_[n]->setText(QString::number(state.fire[n].repeat));
        if (!intervals_[n]->hasFocus())
            intervals_[n]->setText(QString::number(state.fire[n].interval));
        continues_[n]->setOn(state.fire[n].continueOn);
    }
    aimBar_->setLevel(state.aimLevel);
    aimValue_->setText(QString("%1 CPI").arg(
        buttons::kAimCpiLevels[static_cast<std::size_t>(aimBar_->level() - 1)]));
    // Muted while no button of the three profiles is an AIM key: the level is not stored then.
    bool aimKey = false;
    buttons::forEachProfileKey([&](buttons::KeyRef key) {
        aimKey = aimKey ||
                 buttons::nameOf(buttons::profileKeyCode(editor_.host().workspace().model(), key),
                                 {state.rememberedFire, &editor_.macros()})
                     .is(buttons::names::kAimKey);
    });
    if (aimValue_->property("muted").toBool() != !aimKey) {
        aimValue_->setProperty("muted", !aimKey);
        aimValue_->style()->unpolish(aimValue_);
        aimValue_->style()->polish(aimValue_);
    }
    toggles_[0]->setOn(state.lightModeGesture);
    for (int item = 1; item < buttons::kGestureItemCount; ++item)
        toggles_[static_cast<std::size_t>(item)]->setOn(state.gestureItem == item);
    toggles_[7]->setOn(state.gunFireMode);
}

void KeySidePanel::repeatEdited(std::size_t set) {
    // Above 15 is corrected at once; "1" and empty wait until the field is left.
    const QString text = repeats_[set]->text();
    if (!text.isEmpty() && valueOf(repeats_[set]) > buttons::kMaxRepeat)
        repeats_[set]->setText(
            QString::fromStdString(buttons::repeatWhileTyping(text.toStdString())));
}

void KeySidePanel::intervalEdited(std::size_t set) {
    const QString text = intervals_[set]->text();
    if (!text.isEmpty() && valueOf(intervals_[set]) > buttons::kMaxInterval)
        intervals_[set]->setText(
            QString::fromStdString(buttons::intervalWhileTyping(text.toStdString())));
}

void KeySidePanel::fieldLeft(std::size_t set) {
    const std::string repeat =
        buttons::repeatOnLeaving(buttons::repeatWhileTyping(repeats_[set]->text().toStdString()));
    const std::string interval =
        buttons::intervalWhileTyping(intervals_[set]->text().toStdString());
    repeats_[set]->setText(QString::fromStdString(repeat));
    intervals_[set]->setText(QString::fromStdString(interval));
    buttons::FireKeySet& edited = editor_.state().fire[set];
    const int newRepeat = std::stoi(repeat);
    const int newInterval = std::stoi(interval);
    if (edited.repeat == newRepeat && edited.interval == newInterval)
        return;
    edited.repeat = newRepeat;
    edited.interval = newInterval;
    applyFireKeys(set);
}

void KeySidePanel::continueClicked(std::size_t set) {
    buttons::FireKeySet& edited = editor_.state().fire[set];
    edited.continueOn = !edited.continueOn;
    continues_[set]->setOn(edited.continueOn);
    applyFireKeys(set);
}

void KeySidePanel::applyFireKeys(std::size_t set) {
    KeyEditor& editor = editor_;
    editor.host().runLiveChange(editor.host().caption(buttons::names::fireKeyId(set)), [&editor] {
        return buttons::applyFireKeys(editor.host().workspace(), editor.state());
    });
}

void KeySidePanel::aimClicked(int level) {
    KeyEditor& editor = editor_;
    OperationHost& host = editor.host();
    const QString what = host.caption(buttons::names::kAimKey);
    bool noAimKey = false;
    host.runLiveChange(what, [&editor, level, &noAimKey] {
        const buttons::AimSpread spread = buttons::spreadAimLevel(
            editor.host().workspace(), editor.state(), level, buttons::AimPage::User);
        noAimKey = spread.noAimKey;
        return spread.pushed;
    });
    // Without an AIM button nothing was stored (the user was told why): the status says so.
    if (noAimKey)
        host.sayLine(what + ": " + windowText(WindowText::NothingChanged, host.language()), false);
    refresh();
}

void KeySidePanel::toggleClicked(int toggle) {
    KeyEditor& editor = editor_;
    editor.host().runLiveChange(
        toggles_[static_cast<std::size_t>(toggle - 1)]->text(), [&editor, toggle] {
            return buttons::toggleGesture(editor.host().workspace(), editor.state(), toggle)
                .value_or(device::Result::done());
        });
    refresh();
}

}  // namespace gm::ui
