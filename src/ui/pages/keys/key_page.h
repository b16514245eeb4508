#pragma once
// The key-assignment page shared by the three profile pages: the twelve key captions around the
// mouse picture with leader lines to the buttons they name, and the side card. A caption opens
// the key menu of its key; the captions show the key table of the profile the page shows.

#include <QWidget>
#include <array>

#include "ui/host/pages.h"

namespace gm::ui {

class KeyEditor;
class KeyLabel;
class KeySidePanel;

class KeyPage final : public QWidget {
    Q_OBJECT
public:
    // Fills `box` (gbPage1), which already holds the mouse picture.
    KeyPage(KeyEditor& editor, QWidget* box);

    void refresh();
    void retranslate();
    void pageShown(Page page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void labelClicked(KeyLabel* label);

    KeyEditor& editor_;
    std::array<KeyLabel*, 12> labels_{};
    KeySidePanel* side_ = nullptr;
    int profile_ = 0;
};

}  // namespace gm::ui
