#pragma once
// The editor's icon in the desktop's tray: a click shows the window; its menu (Show, Exit) has
// the window's dark look and follows the window's language, and its tooltip the window's title.

#include <QObject>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace gm::ui {

class MainWindow;

class TrayIcon final : public QObject {
    Q_OBJECT
public:
    // Parented to `window`; nothing is shown where the desktop has no tray.
    explicit TrayIcon(MainWindow& window);

    QMenu* menu() const { return menu_; }

private:
    void retranslate();

    MainWindow& window_;
    QSystemTrayIcon* tray_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* show_ = nullptr;
    QAction* exit_ = nullptr;
};

}  // namespace gm::ui
