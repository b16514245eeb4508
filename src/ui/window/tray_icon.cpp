#include "ui/window/tray_icon.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include "ui/host/window_texts.h"
#include "ui/skin/style_sheets.h"
#include "ui/window/main_window.h"

namespace gm::ui {

namespace {

void bringToFront(QWidget& window) {
    window.showNormal();
    window.raise();
    window.activateWindow();
}

}  // namespace

TrayIcon::TrayIcon(MainWindow& window) : QObject(&window), window_(window) {
    menu_ = new QMenu(&window);
    menu_->setObjectName("mnu_Tray");
    menu_->setStyleSheet(skin::styleSheet(skin::Look::StandardDialog));
    show_ = menu_->addAction(QString(), &window, [&window] { bringToFront(window); });
    exit_ = menu_->addAction(QString(), &window, &QWidget::close);
    connect(&window.events(), &PageEvents::retranslated, this, &TrayIcon::retranslate);
    connect(&window, &QWidget::windowTitleChanged, this, &TrayIcon::retranslate);
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_ = new QSystemTrayIcon(window.windowIcon(), this);
        tray_->setContextMenu(menu_);
        connect(tray_, &QSystemTrayIcon::activated, &window, [&window] { bringToFront(window); });
        tray_->show();
    }
    retranslate();
}

void TrayIcon::retranslate() {
    const int language = window_.language();
    show_->setText(windowText(WindowText::TrayShow, language));
    exit_->setText(windowText(WindowText::TrayExit, language));
    if (tray_ != nullptr)
        tray_->setToolTip(window_.windowTitle());
}

}  // namespace gm::ui
