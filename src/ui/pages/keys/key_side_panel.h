#pragma once
// The key page's right-hand card: the three fire-key sets (repeat, interval, continue), the AIM
// level bar and the gesture toggles. Fields are corrected when the user leaves them and then
// applied to every button holding the set; a refresh never overwrites a field being typed in.

#include <QLabel>
#include <QLineEdit>
#include <array>

#include "ui/host/pages.h"

namespace gm::ui {

class AimBar;
class CheckToggle;
class KeyEditor;

class KeySidePanel final : public QWidget {
    Q_OBJECT
public:
    KeySidePanel(KeyEditor& editor, QWidget* parent);

    void refresh();
    void retranslate();
    // The gun toggle (8) is offered on the second profile's page with the gun display on.
    void pageShown(Page page);

private:
    void repeatEdited(std::size_t set);
    void intervalEdited(std::size_t set);
    void fieldLeft(std::size_t set);
    void continueClicked(std::size_t set);
    void applyFireKeys(std::size_t set);
    void aimClicked(int level);
    void toggleClicked(int toggle);
    void place();
    void placeToggles();

    KeyEditor& editor_;
    QLabel* fireTitle_ = nullptr;
    std::array<QLabel*, 3> fireHeadings_{};
    std::array<QLabel*, 3> setNames_{};
    std::array<QLineEdit*, 3> repeats_{};
    std::array<QLineEdit*, 3> intervals_{};
    std::array<CheckToggle*, 3> continues_{};
    QLabel* aimTitle_ = nullptr;
    QLabel* aimValue_ = nullptr;
    AimBar* aimBar_ = nullptr;
    QLabel* gestureTitle_ = nullptr;
    std::array<CheckToggle*, 8> toggles_{};
    bool gunToggleShown_ = false;
};

}  // namespace gm::ui
