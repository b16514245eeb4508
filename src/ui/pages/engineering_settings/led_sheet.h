#pragma once
// The "LED" sheet: LED type and mode, the modes offered to the user, the ZK lamp count, the MCU
// LED's lamp count, step and brightness, the breathing parameters and the ten user colours.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <array>

#include "settings/display.h"
#include "settings/led_lighting.h"
#include "ui/pages/engineering_settings/sheet_kit.h"

namespace gm::ui {

class LedSheet final : public QWidget {
    Q_OBJECT
public:
    LedSheet(OperationHost& host, QWidget* parent);

    void refresh();

private:
    static constexpr int kModeBoxes = 7;
    static constexpr int kBreathingEdits = 5;

    QWidget* buildSetting();
    QWidget* buildModes();
    QWidget* buildBreathing();
    QWidget* buildColours();
    void mcuChanged(const QString& what);
    void userColourEdited(int k, int component, unsigned value);
    settings::Rgb userColour(int k) const;
    // The mode a checkbox stands for with the current type; -1 when it stands for none.
    int modeOfBox(int box) const;

    OperationHost& host_;
    settings::LedType type_ = settings::LedType::Rgb;
    QComboBox* typeBox_ = nullptr;
    QComboBox* mode_ = nullptr;
    QLabel* zkLampsLabel_ = nullptr;
    QComboBox* zkLamps_ = nullptr;
    std::array<QWidget*, 6> mcuWidgets_{};
    QComboBox* mcuLamps_ = nullptr;
    QComboBox* mcuStep_ = nullptr;
    QComboBox* mcuLight_ = nullptr;
    std::array<QCheckBox*, kModeBoxes> modeBoxes_{};
    std::array<DecimalEdit*, kBreathingEdits> breathing_{};
    QWidget* colourGroup_ = nullptr;
    std::array<std::array<DecimalEdit*, 3>, settings::kUserColourCount> colours_{};
    std::array<QToolButton*, settings::kUserColourCount> swatches_{};
};

}  // namespace gm::ui
