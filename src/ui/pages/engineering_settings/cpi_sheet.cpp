#include "ui/pages/engineering_settings/cpi_sheet.h"

#include "buttons/profile_switch.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/cpi_levels.h"
#include "settings/device_options.h"
#include "settings/led_lighting.h"
#include "settings/profile_colours.h"
#include "settings/profile_page.h"
#include "settings/report_rate.h"
#include "ui/host/window_texts.h"
#include "ui/pages/engineering_settings/sheet_texts.h"

namespace gm::ui {

namespace {

// Engineering terms of this sheet.

// The value edt_OffSet starts with: the offset the key page writes for Game Mode.

constexpr std::array<std::string_view, 4> kCpiOptionFields{"cpi-indication", "cpi-set",
                                                           "cpi-start-level", "cpi-prescaler"};

QStringList numbers(int from, int to) {
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QString::number(n);
    return items;
}

QStringList colourItems(OperationHost& host) {
    QStringList items;
    for (int k = 0; k < settings::kUserColourCount; ++k)
        items << host.term(Term::FirstColour + k);
    items << host.term(Term::FixedColour);
    return items;
}

}  // namespace

CpiSheet::CpiSheet(OperationHost& host, QWidget* parent)
    : QWidget(parent), host_(host), options_(host) {
    setObjectName("ts_Cpi");
    styleSheetPage(*this);
    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    right->addWidget(buildOptions());
    right->addWidget(buildProfile());
    right->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 10, 12, 10);
    row->setSpacing(12);
    row->addWidget(buildLevels(), 0, Qt::AlignTop);
    row->addLayout(right);
    row->addStretch(1);
}

QWidget* CpiSheet::buildLevels() {
    QGroupBox* group = makeGroup(this, "gbCPI", host_.term(Term::Cpi));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);

    addLabel(*grid, 0, 0, host_.term(Term::CpiSteps));
    count_ = makeCombo(group, "cb_CPISteps", numbers(1, settings::kCpiLevelCount));
    grid->addWidget(count_, 0, 1);
    addLabel(*grid, 1, 0, host_.term(Term::CurrentCpi));
    current_ = makeCombo(group, "cb_CurrentCPI", {});
    current_->setMinimumWidth(80);
    grid->addWidget(current_, 1, 1);

    QLabel* colourHeader = addLabel(*grid, 2, 2, host_.term(Term::CpiColour));
    colourHeader->setProperty("header", true);
    grid->addWidget(colourHeader, 2, 2, 1, 4);
    colourHeaders_.push_back(colourHeader);
    const std::array<WindowText, 3> components{WindowText::Red, WindowText::Green,
                                               WindowText::Blue};
    for (int c = 0; c < 3; ++c) {
        QLabel* header = addLabel(*grid, 3, 2 + c, windowText(components[c], host_.termLanguage()));
        header->setAlignment(Qt::AlignCenter);
        colourHeaders_.push_back(header);
    }

    QStringList cpiItems;
    for (int cpi : settings::kCpiValues)
        cpiItems << QString::number(cpi);
    constexpr std::array<char, 3> kComponentLetters{'R', 'G', 'B'};
    for (int n = 1; n <= settings::kCpiLevelCount; ++n) {
        Level& level = levels_[static_cast<std::size_t>(n - 1)];
        const int row = 3 + n;
        level.label = addLabel(*grid, row, 0, host_.term(Term::FirstCpiLevel + n - 1));
        level.value = makeCombo(group, QString("cb_CPI%1").arg(n), cpiItems);
        grid->addWidget(level.value, row, 1);
        connect(level.value, &QComboBox::activated, this, [this, n, &level](int index) {
            host_.runLiveChange(level.label->text(), [this, n, index] {
                return settings::setLevelValue(host_.workspace(), n,
                                               static_cast<std::uint8_t>(index));
            });
        });
        for (int c = 0; c < 3; ++c) {
            DecimalEdit* edit = makeDecimal(
                group, QString("edt_CPI%1%2").arg(n).arg(kComponentLetters[std::size_t(c)]), 255);
            level.colour[static_cast<std::size_t>(c)] = edit;
            grid->addWidget(edit, row, 2 + c);
            connect(edit, &DecimalEdit::valueEdited, this,
                    [this, n, c](unsigned value) { levelColourEdited(n, c, value); });
        }
        level.swatch = makeSwatch(group, QString("cs_CPI%1").arg(n));
        grid->addWidget(level.swatch, row, 5);
        connect(level.swatch, &QToolButton::clicked, this, [this, n] { levelSwatchClicked(n); });
    }

    connect(count_, &QComboBox::activated, this, [this](int index) {
        host_.runLiveChange(host_.term(Term::CpiSteps), [this, index] {
            return settings::setLevelCount(host_.workspace(), index + 1);
        });
    });
    connect(current_, &QComboBox::activated, this, [this](int index) {
        host_.runLiveChange(host_.term(Term::CurrentCpi), [this, index] {
            return settings::setCurrentLevel(host_.workspace(), index + 1);
        });
    });
    return group;
}

QWidget* CpiSheet::buildOptions() {
    QGroupBox* group =
        makeGroup(this, "gbCPIOptions", windowText(WindowText::CpiOptions, host_.termLanguage()));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    int row = 0;
    for (std::string_view field : kCpiOptionFields)
        options_.add(*grid, row++, 0, field);

    addLabel(*grid, row, 0, host_.term(Term::UsbReport));
    QStringList rates;
    for (int hertz : settings::kReportRates)
        rates << QString("%1Hz").arg(hertz);
    rate_ = makeCombo(group, "cb_RepRate", rates);
    grid->addWidget(rate_, row, 1);
    connect(rate_, &QComboBox::activated, this, [this](int index) {
        const int hertz = settings::kReportRates[static_cast<std::size_t>(index)];
        host_.runLiveChange(host_.term(Term::UsbReport), [this, hertz] {
            return settings::setReportRate(host_.workspace(), hertz);
        });
    });
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* CpiSheet::buildProfile() {
    QGroupBox* group = makeGroup(this, "gbProfile", host_.term(Term::Profile));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);

    QStringList profiles;
    for (int p = 0; p < settings::kProfileCount; ++p)
        profiles << host_.term(Term::FirstProfileItem + p);
    addLabel(*grid, 0, 0, host_.term(Term::CurrentProfile));
    profile_ = makeCombo(group, "cb_Profile", profiles);
    grid->addWidget(profile_, 0, 1);
    addLabel(*grid, 1, 0, host_.term(Term::ProfileColour));
    profileColour_ = makeCombo(group, "cb_ProfileColor", colourItems(host_));
    grid->addWidget(profileColour_, 1, 1);
    // The button effect selector (cb_BtnEFT) sits with the key functions on the Keys sheet.
    addLabel(*grid, 2, 0, windowText(WindowText::Offset, host_.termLanguage()));
    offset_ = makeHex(group, "edt_OffSet", 2);
    offset_->setValue(static_cast<unsigned>(host_.buttonState().offset));
    grid->addWidget(offset_, 2, 1, Qt::AlignLeft);
    connect(offset_, &QLineEdit::editingFinished, this, [this] {
        const auto typed = offset_->value();
        if (!typed || static_cast<int>(*typed) == host_.buttonState().offset)
            return;
        host_.buttonState().offset = static_cast<int>(*typed);
        switchOptionsChanged();
    });

    // The options that travel in the profile-switch key codes, then the colour of each switch,
    // in a second column.
    constexpr int kSwitchColumn = 3;
    constexpr std::array<const char*, 3> kSwitchOptions{"RTZ", "AXY", "CC"};
    for (std::size_t i = 0; i < kSwitchOptions.size(); ++i) {
        const int row = static_cast<int>(i);
        addLabel(*grid, row, kSwitchColumn, QString("%1:").arg(kSwitchOptions[i]));
        switchOptions_[i] =
            makeCombo(group, QString("cb_%1").arg(kSwitchOptions[i]), {"Disable", "Enable"});
        grid->addWidget(switchOptions_[i], row, kSwitchColumn + 1);
        connect(switchOptions_[i], &QComboBox::activated, this, [this, i](int item) {
            buttons::ButtonState& state = host_.buttonState();
            std::array<bool*, 3> options{&state.returnToZero, &state.adjustXY, &state.changeColour};
            *options[i] = item == 1;
            switchOptionsChanged();
        });
    }
    for (int p = 0; p < settings::kProfileCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const int row = 3 + p;
        switchLabels_[i] =
            addLabel(*grid, row, kSwitchColumn, host_.term(Term::FirstSwitchColour + p));
        switchColours_[i] =
            makeCombo(group, QString("cb_Profile%1Color").arg(p + 1), colourItems(host_));
        grid->addWidget(switchColours_[i], row, kSwitchColumn + 1);
        connect(switchColours_[i], &QComboBox::activated, this, [this, p, i](int item) {
            const settings::SwitchOptions options = switchOptions();
            host_.runLiveChange(switchLabels_[i]->text(), [this, p, item, options] {
                return settings::setProfileSwitchColour(host_.workspace(), p, item + 1, options);
            });
        });
    }
    connect(profile_, &QComboBox::activated, this, &CpiSheet::profileChosen);
    connect(profileColour_, &QComboBox::activated, this, &CpiSheet::profileChosen);
    grid->setColumnMinimumWidth(kSwitchColumn - 1, 16);
    return group;
}

settings::SwitchOptions CpiSheet::switchOptions() const {
    const buttons::ButtonState& state = host_.buttonState();
    return {.rtz = state.returnToZero,
            .axy = state.adjustXY,
            .cc = state.changeColour,
            .offset = static_cast<std::uint8_t>(state.offset)};
}

void CpiSheet::switchOptionsChanged() {
    // Every profile-switch key of the three profiles is coded again with the new options.
    host_.runLiveChange(windowText(WindowText::Offset, host_.termLanguage()), [this] {
        return buttons::applyProfileSwitchOptions(host_.workspace(), host_.buttonState());
    });
}

void CpiSheet::levelColourEdited(int level, int component, unsigned value) {
    host_.runLiveChange(levels_[static_cast<std::size_t>(level - 1)].label->text(),
                        [this, level, component, value] {
                            settings::Rgb colour =
                                settings::cpiLevelsOf(host_.workspace().model())
                                    .colours[static_cast<std::size_t>(level - 1)];
                            std::uint8_t& part = component == 0   ? colour.red
                                                 : component == 1 ? colour.green
                                                                  : colour.blue;
                            part = static_cast<std::uint8_t>(value);
                            return settings::setLevelColour(host_.workspace(), level, colour);
                        });
}

void CpiSheet::levelSwatchClicked(int level) {
    const auto i = static_cast<std::size_t>(level - 1);
    const auto chosen =
        askColour(host_, settings::cpiLevelsOf(host_.workspace().model()).colours[i]);
    if (!chosen)
        return;
    host_.runLiveChange(levels_[i].label->text(), [this, level, colour = *chosen] {
        return settings::setLevelColour(host_.workspace(), level, colour);
    });
}

void CpiSheet::profileChosen() {
    const int profile = profile_->currentIndex();
    const int colourItem = profileColour_->currentIndex() + 1;
    if (profile < 0 || colourItem < 1)
        return;
    const image::settings::ProgramSettings& program = host_.programSettings();
    const settings::ProfileExtras extras{
        .buttonEffectEnabled = program.buttonEffect,
        .gameDelayEnabled = program.gunDisplay,
        .buttonEffect = host_.buttonState().buttonEffect,
        .offset = static_cast<std::uint8_t>(host_.buttonState().offset)};
    host_.runLiveChange(host_.term(Term::CurrentProfile), [this, profile, colourItem, extras] {
        return settings::setProfile(host_.workspace(), profile, colourItem, extras);
    });
}

void CpiSheet::refresh() {
    const image::ImageModel& model = host_.workspace().model();
    const settings::CpiLevels cpi = settings::cpiLevelsOf(model);
    const int count = std::max(cpi.count, 1);
    showIndex(count_, count - 1);
    if (current_->count() != count) {
        current_->clear();
        for (const std::string& item : settings::currentLevelItems(count))
            current_->addItem(QString::fromStdString(item));
    }
    showIndex(current_, cpi.current && *cpi.current <= count ? *cpi.current - 1 : -1);
    // The CPI colours mean nothing to the Sync LED, which shows no colours.
    const bool colours = settings::ledOf(model).type != settings::LedType::Sync;
    for (QWidget* header : colourHeaders_)
        header->setVisible(colours);
    for (int n = 1; n <= settings::kCpiLevelCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        Level& level = levels_[i];
        showIndex(level.value, cpi.values[i] < settings::kCpiValues.size() ? cpi.values[i] : -1);
        const settings::Rgb colour = cpi.colours[i];
        const std::array<std::uint8_t, 3> parts{colour.red, colour.green, colour.blue};
        for (std::size_t c = 0; c < 3; ++c)
            showValue(level.colour[c], parts[c]);
        paintSwatch(level.swatch, colour);
        // Levels out of use keep their bytes but are not shown.
        const bool inUse = n <= count;
        level.label->setVisible(inUse);
        level.value->setVisible(inUse);
        for (QWidget* widget :
             {static_cast<QWidget*>(level.colour[0]), static_cast<QWidget*>(level.colour[1]),
              static_cast<QWidget*>(level.colour[2]), static_cast<QWidget*>(level.swatch)})
            widget->setVisible(inUse && colours);
    }

    options_.refresh(model);
    const int hertz = settings::reportRateOf(model.copies.vendor[settings::kReportRateAddress]);
    for (std::size_t i = 0; i < settings::kReportRates.size(); ++i) {
        if (settings::kReportRates[i] == hertz)
            showIndex(rate_, static_cast<int>(i));
    }

    const buttons::ButtonState& state = host_.buttonState();
    const std::array<bool, 3> options{state.returnToZero, state.adjustXY, state.changeColour};
    for (std::size_t i = 0; i < options.size(); ++i)
        showIndex(switchOptions_[i], options[i] ? 1 : 0);
    if (!offset_->hasFocus())
        offset_->setValue(static_cast<unsigned>(state.offset));

    const settings::ActiveProfile active = settings::activeProfileOf(model);
    showIndex(profile_, active.profile < settings::kProfileCount ? active.profile : -1);
    showIndex(profileColour_, active.colourItem ? *active.colourItem - 1 : -1);
    for (int p = 0; p < settings::kProfileCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (const auto item = settings::profileSwitchColourOf(model, p))
            showIndex(switchColours_[i], *item - 1);
        switchLabels_[i]->setVisible(colours);
        switchColours_[i]->setVisible(colours);
    }
}

}  // namespace gm::ui
