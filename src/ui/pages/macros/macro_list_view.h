#pragma once
// A macro list of the macro page (LB_PCMacroName, LB_MacroName). A right-click selects the item
// under the pointer on the press (below the last item it clears the selection), as a left click
// would, and asks for the list's popup on the release, at the pointer.

#include <QListWidget>

namespace gm::ui {

class MacroListView final : public QListWidget {
    Q_OBJECT
public:
    MacroListView(const char* name, QWidget* parent);

    // The selected row, -1 for none.
    int selectedRow() const;
    // Selects `row` (none for -1) without telling `rowChosen`.
    void showSelection(int row);

signals:
    // The user chose `row` (-1: cleared the selection) with either button.
    void rowChosen(int row);
    // A right button's press began on the list (the other list drops its selection).
    void rightPressed();
    // The right button was released at `windowPoint` of the top-level window: show the popup.
    void popupAsked(QPoint windowPoint);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool rightPress_ = false;
};

}  // namespace gm::ui
