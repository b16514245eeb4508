#pragma once
// The engineering page's "Keys" sheet: the key buttons of all three profiles and the nine combo
// key slots (each opens the full key menu), the fire-key sets, the AIM level, the gesture
// selectors, the combo-enable masks and the button-effect state, as aligned grids.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <vector>

namespace gm::ui {

class KeyEditor;

class EngineeringKeySheet final : public QWidget {
    Q_OBJECT
public:
    EngineeringKeySheet(KeyEditor& editor, QWidget* parent);

    void refresh();
    void retranslate();

private:
    QWidget* buildKeyGrid();
    QWidget* buildComboGrid();
    QWidget* buildFireGrid();
    QWidget* buildGestureGrid();
    void applyFireKeys(std::size_t set);
    void aimChosen(int item);

    KeyEditor& editor_;
    std::array<std::array<QPushButton*, 12>, 3> keys_{};
    std::array<QPushButton*, 9> combos_{};
    std::array<QComboBox*, 3> fireCounts_{};
    std::array<QLineEdit*, 3> fireTimes_{};
    std::array<QCheckBox*, 3> fireContinues_{};
    QComboBox* aim_ = nullptr;
    QComboBox* gesture_ = nullptr;
    QComboBox* lightGesture_ = nullptr;
    QCheckBox* gunFireMode_ = nullptr;
    QComboBox* buttonEffect_ = nullptr;
    std::array<QComboBox*, 7> comboMasks_{};
    // Captions looked up again on a language change: (label, engineering term or text id).
    std::vector<std::pair<QWidget*, int>> terms_;
};

}  // namespace gm::ui
