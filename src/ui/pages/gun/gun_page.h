#pragma once
// The gun-preset page (gbPage6), opened by the key menu's "Fire Macro" entry in place of the key
// page: the seven presets as pictures (Btn_Fire1..7), the stage rows of the chosen one, the
// keep-left option, Confirm and Cancel. Selecting a preset fills the fields from the fire macro
// records without writing (the loading mark); an edit changes the working copies only; Confirm
// assigns the preset to the key being edited and sends the sequence; Cancel leaves the edits in
// memory and returns to the key page.

#include <QGroupBox>
#include <QLabel>
#include <array>

#include "macros/fire_stages.h"
#include "ui/pages/keys/key_editor.h"

class QAbstractButton;
class QRadioButton;
class QCheckBox;

namespace gm::ui {

class SkinButton;
class CheckToggle;
class GunStageRow;

class GunPresetPage final : public QObject {
    Q_OBJECT
public:
    // gbPage6 is built beside `keyPageBox` (gbPage1) when the menu first opens it.
    GunPresetPage(KeyEditor& editor, QWidget* keyPageBox);

    void open(const MenuTarget& target);
    void close();
    bool isOpen() const;
    void selectPreset(int preset);
    int preset() const { return preset_; }

private:
    void build();
    void retranslate();
    void refill();
    void fieldEdited(std::size_t stage, macros::StageField field, int value);
    void colourChosen(std::size_t stage, const QColor& colour);
    void confirm();
    int stages() const;

    KeyEditor& editor_;
    OperationHost& host_;
    QWidget* keyPageBox_;
    QGroupBox* box_ = nullptr;
    QLabel* background_ = nullptr;
    QLabel* title_ = nullptr;
    std::array<QAbstractButton*, 7> guns_{};
    std::array<QLabel*, 7> gunNames_{};
    std::array<QRadioButton*, 7> radios_{};
    std::array<QLabel*, 7> captions_{};
    std::array<QLabel*, 3> stageNames_{};
    std::array<GunStageRow*, 3> rows_{};
    std::array<macros::FireStage, 3> shown_{};
    QCheckBox* keepLeftBox_ = nullptr;
    CheckToggle* keepLeft_ = nullptr;
    SkinButton* confirm_ = nullptr;
    SkinButton* exit_ = nullptr;
    MenuTarget target_;
    int preset_ = 1;
    bool loading_ = false;
};

}  // namespace gm::ui
