#include "ui/pages/engineering_settings/led_sheet.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <optional>

#include "ui/host/window_texts.h"
#include "ui/pages/engineering_settings/sheet_texts.h"

namespace gm::ui {

namespace {

using settings::LedType;

constexpr const char* kOffMode = "------";

// The engineering terms of each type's modes, in mode order; none: the settings' own name.
const std::vector<std::optional<Term>>& modeTerms(LedType type) {
    constexpr Term kOff = Term::ModeOff;
    static const std::vector<std::optional<Term>> kRgb{kOff,
                                                       Term::RgbRandom,
                                                       Term::RgbRandom + 1,
                                                       Term::RgbRandom + 2,
                                                       Term::RgbRandom + 3,
                                                       Term::RgbRandom + 4,
                                                       std::nullopt};
    static const std::vector<std::optional<Term>> kSync{kOff, Term::SyncBreath, Term::SyncNoBreath};
    static const std::vector<std::optional<Term>> kZk{kOff, Term::ZkRandom, Term::ZkRandom + 1,
                                                      Term::ZkRandom + 2, Term::ZkRandom + 3};
    static const std::vector<std::optional<Term>> kMcu{Term::McuCpiBreath,
                                                       Term::McuCpiBreath + 1,
                                                       Term::McuCpiBreath + 2,
                                                       Term::McuCpiBreath + 3,
                                                       Term::McuCpiBreath + 4,
                                                       Term::McuCpiBreath + 5,
                                                       kOff};
    return settings::perLedType(type, kRgb, kSync, kZk, kMcu);
}

// The checkboxes of the ZK LED's five modes: boxes 3 and 6 stand for no mode.
constexpr std::array<int, 5> kZkBoxes{0, 1, 2, 4, 5};

struct BreathingEdit {
    const char* name;
    settings::Breathing which;
    unsigned maximum;
};
constexpr std::array<BreathingEdit, 5> kBreathing{{
    {"edt_Lower", settings::Breathing::Lower, 65535},
    {"edt_Upper", settings::Breathing::Upper, 65535},
    {"edt_LowerTime", settings::Breathing::LowerTime, 4094},
    {"edt_UpperTime", settings::Breathing::UpperTime, 65535},
    {"edt_StepTime", settings::Breathing::StepTime, 255},
}};

// One width for the column of breathing edits: room for "65535".
constexpr int kBreathingEditWidth = 52;

QStringList numbers(int from, int to) {
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QString::number(n);
    return items;
}

}  // namespace

LedSheet::LedSheet(OperationHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName("ts_Led");
    styleSheetPage(*this);
    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    left->addWidget(buildSetting());
    left->addWidget(buildModes());
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(buildBreathing());
    middle->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 10, 12, 10);
    row->setSpacing(12);
    row->addLayout(left);
    row->addLayout(middle);
    row->addWidget(buildColours(), 0, Qt::AlignTop);
    row->addStretch(1);
}

QWidget* LedSheet::buildSetting() {
    QGroupBox* group = makeGroup(this, "gbLEDSetting", host_.term(Term::LedSetting));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);

    QStringList types;
    for (int t = 0; t < settings::kLedTypeCount; ++t)
        types << host_.term(Term::FirstLedType + t);
    QLabel* typeLabel = addLabel(*grid, 0, 0, host_.term(Term::LedType));
    typeLabel->setObjectName("lbl_LEDMode");
    typeBox_ = makeCombo(group, "cb_LEDMode", types);
    grid->addWidget(typeBox_, 0, 1);
    connect(typeBox_, &QComboBox::activated, this, [this](int index) {
        // A new type loads the type's defaults into the whole image: a refusal deserves a
        // message, not only the status line.
        host_.runImageChange(host_.term(Term::LedType), [this, index] {
            return settings::setLedType(host_.workspace(), static_cast<LedType>(index));
        });
    });

    addLabel(*grid, 1, 0, host_.term(Term::LedMode));
    mode_ = makeCombo(group, "cb_BreMode", {});
    mode_->setMinimumWidth(130);
    grid->addWidget(mode_, 1, 1);
    connect(mode_, &QComboBox::activated, this, [this](int index) {
        // An entry of a mode that is not offered is never written.
        if (mode_->itemText(index) == kOffMode)
            return;
        host_.runLiveChange(host_.term(Term::LedMode), [this, index] {
            return settings::setLedMode(host_.workspace(), index);
        });
    });

    zkLampsLabel_ = addLabel(*grid, 2, 0, host_.term(Term::LedNumber));
    zkLamps_ = makeCombo(group, "cb_LEDNum", numbers(1, 8));
    grid->addWidget(zkLamps_, 2, 1);
    connect(zkLamps_, &QComboBox::activated, this, [this](int index) {
        host_.runLiveChange(host_.term(Term::LedNumber), [this, index] {
            return settings::setZkLamps(host_.workspace(), index + 1);
        });
    });

    mcuWidgets_[0] = addLabel(*grid, 3, 0, host_.term(Term::LedNumber));
    mcuLamps_ =
        makeCombo(group, "cb_MCULEDNum", numbers(settings::kMcuMinLamps, settings::kMcuMaxLamps));
    mcuWidgets_[1] = mcuLamps_;
    mcuWidgets_[2] = addLabel(*grid, 4, 0, host_.term(Term::LedStep));
    mcuStep_ = makeCombo(group, "cb_MCULEDStep", numbers(1, settings::kMcuSteps));
    mcuWidgets_[3] = mcuStep_;
    mcuWidgets_[4] = addLabel(*grid, 5, 0, host_.term(Term::LedLightMode));
    mcuLight_ = makeCombo(group, "cb_MCULEDCtrl",
                          {host_.term(Term::HalfLight), host_.term(Term::AllLight)});
    mcuWidgets_[5] = mcuLight_;
    grid->addWidget(mcuLamps_, 3, 1);
    grid->addWidget(mcuStep_, 4, 1);
    grid->addWidget(mcuLight_, 5, 1);
    for (int i : {0, 2, 4}) {
        auto* combo = static_cast<QComboBox*>(mcuWidgets_[static_cast<std::size_t>(i + 1)]);
        const QString what = static_cast<QLabel*>(mcuWidgets_[static_cast<std::size_t>(i)])->text();
        connect(combo, &QComboBox::activated, this, [this, what] { mcuChanged(what); });
    }
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* LedSheet::buildModes() {
    QGroupBox* group = makeGroup(this, "gbLEDModes", host_.term(Term::LedModeSelect));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(4);
    for (int box = 0; box < kModeBoxes; ++box) {
        auto* check = new QCheckBox(group);
        check->setObjectName(QString("cb_Mode%1").arg(box));
        grid->addWidget(check, box % 4, box / 4);
        modeBoxes_[static_cast<std::size_t>(box)] = check;
        connect(check, &QCheckBox::clicked, this, [this, box, check](bool offered) {
            const int mode = modeOfBox(box);
            if (mode < 0)
                return;
            host_.runLiveChange(check->text(), [this, mode, offered] {
                device::Workspace& workspace = host_.workspace();
                device::Result result = settings::setModeOffered(workspace, mode, offered);
                // The chosen mode was taken off the list: the first mode still offered is chosen.
                const settings::LedByte led = settings::ledOf(workspace.model());
                if (!result || !led.mode || settings::modeOffered(workspace.model(), *led.mode))
                    return result;
                const int modes = static_cast<int>(settings::modeNames(led.type).size());
                for (int next = 0; next < modes; ++next) {
                    if (settings::modeOffered(workspace.model(), next))
                        return settings::setLedMode(workspace, next);
                }
                return result;
            });
        });
    }
    return group;
}

QWidget* LedSheet::buildBreathing() {
    QGroupBox* group = makeGroup(this, "gbLEDBreath", host_.term(Term::LedBreath));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    for (std::size_t i = 0; i < kBreathing.size(); ++i) {
        const BreathingEdit& field = kBreathing[i];
        const int row = static_cast<int>(i);
        QLabel* label = addLabel(*grid, row, 0, host_.term(Term::FirstBreathing + row));
        DecimalEdit* edit = makeDecimal(group, field.name, field.maximum);
        edit->setFixedWidth(kBreathingEditWidth);
        grid->addWidget(edit, row, 1);
        breathing_[i] = edit;
        connect(edit, &DecimalEdit::valueEdited, this,
                [this, label, which = field.which](unsigned value) {
                    host_.runLiveChange(label->text(), [this, which, value] {
                        return settings::setBreathing(host_.workspace(), which,
                                                      static_cast<int>(value));
                    });
                });
    }
    return group;
}

QWidget* LedSheet::buildColours() {
    QGroupBox* group = makeGroup(this, "gbLEDColor", host_.term(Term::LedColour));
    colourGroup_ = group;
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    const std::array<WindowText, 3> components{WindowText::Red, WindowText::Green,
                                               WindowText::Blue};
    for (int c = 0; c < 3; ++c)
        addLabel(*grid, 0, 1 + c, windowText(components[std::size_t(c)], host_.termLanguage()))
            ->setAlignment(Qt::AlignCenter);
    constexpr std::array<char, 3> kLetters{'R', 'G', 'B'};
    for (int k = 1; k <= settings::kUserColourCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        QLabel* label = addLabel(*grid, k, 0, host_.term(Term::FirstColour + k - 1));
        for (int c = 0; c < 3; ++c) {
            DecimalEdit* edit = makeDecimal(
                group, QString("edt_Col%1%2").arg(k).arg(kLetters[std::size_t(c)]), 255);
            grid->addWidget(edit, k, 1 + c);
            colours_[i][static_cast<std::size_t>(c)] = edit;
            connect(edit, &DecimalEdit::valueEdited, this,
                    [this, k, c](unsigned value) { userColourEdited(k, c, value); });
        }
        swatches_[i] = makeSwatch(group, QString("cs_Col%1").arg(k));
        grid->addWidget(swatches_[i], k, 4);
        connect(swatches_[i], &QToolButton::clicked, this, [this, k, label] {
            const auto chosen = askColour(host_, userColour(k));
            if (!chosen)
                return;
            host_.runLiveChange(label->text(), [this, k, colour = *chosen] {
                return settings::setUserColour(host_.workspace(), k, colour);
            });
        });
        label->setBuddy(colours_[i][0]);
    }
    return group;
}

void LedSheet::mcuChanged(const QString& what) {
    const settings::McuLed wanted{
        .step = std::max(mcuStep_->currentIndex(), 0),
        .fullBrightness = mcuLight_->currentIndex() == 1,
        .lamps = settings::kMcuMinLamps + std::max(mcuLamps_->currentIndex(), 0)};
    host_.runLiveChange(what,
                        [this, wanted] { return settings::setMcuLed(host_.workspace(), wanted); });
}

settings::Rgb LedSheet::userColour(int k) const {
    return settings::colourAt(host_.workspace().model().copies.vendor,
                              settings::kUserColoursAddress + 3 * static_cast<std::size_t>(k - 1));
}

void LedSheet::userColourEdited(int k, int component, unsigned value) {
    host_.runLiveChange(host_.term(Term::FirstColour + k - 1), [this, k, component, value] {
        settings::Rgb colour = userColour(k);
        std::uint8_t& part = component == 0   ? colour.red
                             : component == 1 ? colour.green
                                              : colour.blue;
        part = static_cast<std::uint8_t>(value);
        return settings::setUserColour(host_.workspace(), k, colour);
    });
}

int LedSheet::modeOfBox(int box) const {
    if (type_ == LedType::Zk) {
        for (std::size_t mode = 0; mode < kZkBoxes.size(); ++mode) {
            if (kZkBoxes[mode] == box)
                return static_cast<int>(mode);
        }
        return -1;
    }
    return box < static_cast<int>(settings::modeNames(type_).size()) ? box : -1;
}

void LedSheet::refresh() {
    const image::ImageModel& model = host_.workspace().model();
    const settings::LedByte led = settings::ledOf(model);
    type_ = led.type;
    showIndex(typeBox_, static_cast<int>(led.type));

    // The mode names, in the engineering terms where the table has them.
    const auto& names = settings::modeNames(led.type);
    const auto& terms = modeTerms(led.type);
    QStringList modeItems;
    for (std::size_t mode = 0; mode < names.size(); ++mode) {
        const QString name =
            terms[mode]
                ? host_.term(*terms[mode])
                : QString::fromUtf8(names[mode].data(), static_cast<qsizetype>(names[mode].size()));
        modeItems << name;
    }
    for (int box = 0; box < kModeBoxes; ++box) {
        QCheckBox* check = modeBoxes_[static_cast<std::size_t>(box)];
        const int mode = modeOfBox(box);
        check->setVisible(mode >= 0);
        if (mode < 0)
            continue;
        check->setText(modeItems[mode]);
        check->setChecked(settings::modeOffered(model, mode));
    }
    QStringList listItems;
    for (int mode = 0; mode < modeItems.size(); ++mode)
        listItems << (settings::modeOffered(model, mode) ? modeItems[mode] : QString(kOffMode));
    QStringList shownItems;
    for (int i = 0; i < mode_->count(); ++i)
        shownItems << mode_->itemText(i);
    if (shownItems != listItems) {
        mode_->clear();
        mode_->addItems(listItems);
    }
    showIndex(mode_, led.mode.value_or(-1));

    const bool zk = led.type == LedType::Zk;
    zkLampsLabel_->setVisible(zk);
    zkLamps_->setVisible(zk);
    if (zk)
        showIndex(zkLamps_, led.zkLamps);
    const bool mcu = led.type == LedType::Mcu;
    for (QWidget* widget : mcuWidgets_)
        widget->setVisible(mcu);
    const settings::McuLed held = settings::mcuLedOf(model);
    showIndex(mcuLamps_, held.lamps - settings::kMcuMinLamps);
    showIndex(mcuStep_, held.step);
    showIndex(mcuLight_, held.fullBrightness ? 1 : 0);

    for (std::size_t i = 0; i < kBreathing.size(); ++i)
        showValue(breathing_[i],
                  static_cast<unsigned>(settings::breathingOf(model, kBreathing[i].which)));

    colourGroup_->setVisible(led.type != LedType::Sync);
    for (std::size_t i = 0; i < colours_.size(); ++i) {
        const settings::Rgb colour = userColour(static_cast<int>(i) + 1);
        showValue(colours_[i][0], colour.red);
        showValue(colours_[i][1], colour.green);
        showValue(colours_[i][2], colour.blue);
        paintSwatch(swatches_[i], colour);
    }
}

}  // namespace gm::ui
