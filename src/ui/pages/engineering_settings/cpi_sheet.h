#pragma once
// The "CPI / Profile" sheet: level count, current level, each level's value and colour, the CPI
// options of the option map, the report rate, the active profile with its colour and the colours
// shown when switching to each profile.

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <array>

#include "settings/display.h"
#include "settings/profile_colours.h"
#include "ui/pages/engineering_settings/sheet_kit.h"

namespace gm::ui {

class CpiSheet final : public QWidget {
    Q_OBJECT
public:
    CpiSheet(OperationHost& host, QWidget* parent);

    // Shows the working copies; never writes.
    void refresh();

private:
    struct Level {
        QLabel* label = nullptr;
        QComboBox* value = nullptr;
        std::array<DecimalEdit*, 3> colour{};  // red, green, blue
        QToolButton* swatch = nullptr;
    };

    QWidget* buildLevels();
    QWidget* buildOptions();
    QWidget* buildProfile();
    void levelColourEdited(int level, int component, unsigned value);
    void levelSwatchClicked(int level);
    void profileChosen();
    // cb_RTZ, cb_AXY, cb_CC and edt_OffSet as the profile-switch key codes carry them.
    settings::SwitchOptions switchOptions() const;
    // After RTZ, AXY, CC or the offset changed.
    void switchOptionsChanged();

    OperationHost& host_;
    OptionRows options_;
    QComboBox* count_ = nullptr;
    QComboBox* current_ = nullptr;
    std::array<Level, settings::kCpiLevelCount> levels_{};
    std::vector<QWidget*> colourHeaders_;
    QComboBox* rate_ = nullptr;
    QComboBox* profile_ = nullptr;
    QComboBox* profileColour_ = nullptr;
    HexEdit* offset_ = nullptr;
    std::array<QComboBox*, 3> switchOptions_{};  // RTZ, AXY, CC
    std::array<QComboBox*, 3> switchColours_{};
    std::array<QLabel*, 3> switchLabels_{};
};

}  // namespace gm::ui
