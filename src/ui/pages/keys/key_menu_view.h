#pragma once
// The key menu on screen: Pnl_Main beside the button that opened it, each category cascading its
// sub-panel beside the entry, all kept inside the window. A layer over the window, masked to its
// panels, holds them and the keyboard focus; a click anywhere else closes the menu and still
// does what it does. Mouse: hover opens a category, a click picks. Keyboard: Up/Down move, Right
// or Enter opens a category, Left goes back a panel, Enter picks, Esc closes.

#include <QAbstractButton>
#include <QFrame>
#include <QPointer>
#include <functional>
#include <vector>

#include "buttons/key_menu.h"

namespace gm::ui {

class MenuEntryRow;

class KeyMenuView final : public QWidget {
    Q_OBJECT
public:
    using CaptionOf = std::function<QString(const buttons::MenuEntry&)>;

    // `window`: the top-level widget the menu stays inside.
    explicit KeyMenuView(QWidget* window);

    // `current`: the caption of the button's function now; its entry carries the menu mark.
    void open(buttons::KeyMenu menu, QWidget* anchor, CaptionOf captionOf, const QString& current);
    void closeMenu();
    bool isOpen() const { return isVisible(); }

    // The panels open now, Pnl_Main first (tests and the screenshot tool look at them).
    std::vector<QFrame*> openPanels() const;

signals:
    void picked(const gm::buttons::MenuEntry& entry);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Level {
        const buttons::MenuPanel* panel = nullptr;
        QFrame* frame = nullptr;
        std::vector<MenuEntryRow*> rows;
        int current = -1;
    };

    void openLevel(const buttons::MenuPanel& panel, QRect besides, bool preferRight);
    void closeLevelsAfter(std::size_t level);
    void updateMask();
    void setCurrent(std::size_t level, int row);
    void moveCurrent(int step);
    // A category opens its sub-panel; a function is picked.
    void activate(std::size_t level, int row, bool fromKeyboard);
    bool enabled(const buttons::MenuEntry& entry) const;
    int panelWidth(const buttons::MenuPanel& panel) const;

    buttons::KeyMenu menu_;
    CaptionOf captionOf_;
    QString current_;
    QPointer<QWidget> anchor_;
    std::vector<Level> levels_;
    bool cascadeRight_ = true;
    bool settling_ = false;  // panels are being shown or hidden
};

}  // namespace gm::ui
