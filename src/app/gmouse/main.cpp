// gmouse, the editor: one window per user on the attached or the virtual mouse, or, with
// --screenshot, one picture of a page rendered without a display.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>

#include <unistd.h>

#include "app/gmouse/editor_device.h"
#include "app/gmouse/gmouse_options.h"
#include "app/gmouse/instance_place.h"
#include "app/gmouse/single_instance.h"
#include "device/session/workspace.h"
#include "host/desktop_mouse/desktop_mouse_settings.h"
#include "host/desktop_mouse/running_desktop.h"
#include "host/files/atomic_file_writer.h"
#include "host/files/macro_folder.h"
#include "host/files/user_folders.h"
#include "image/settings/program_settings.h"
#include "macros/device_tables.h"
#include "settings/image_state.h"
#include "ui/text/text_table.h"
#include "ui/window/main_window.h"
#include "ui/window/tray_icon.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kScreenshotTimeoutMs = 30'000;

// Opens the key menu of label `key` (on the engineering page: of profile 1's button `key` on the
// Keys sheet) and, from the keyboard, its second category's sub-panel, so the picture shows the
// menu cascading.
void openKeyMenu(gm::ui::MainWindow& window, gm::ui::Page page, int key) {
    QString name = QString("Key%1").arg(key);
    if (page == gm::ui::Page::Engineering) {
        auto* tabs = window.findChild<QTabWidget*>("PageControl_Eng");
        if (QWidget* sheet = window.findChild<QWidget*>("ts_Keys"); tabs != nullptr && sheet)
            tabs->setCurrentWidget(sheet);
        name = QString("btn_Key1%1").arg(key, 2, 10, QChar('0'));
    }
    auto* label = window.findChild<QAbstractButton*>(name);
    if (label == nullptr || !label->isVisible())
        return;
    label->click();
    QWidget* menu = window.findChild<QWidget*>("KeyMenu");
    for (Qt::Key pressed : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}) {
        QKeyEvent event(QEvent::KeyPress, pressed, Qt::NoModifier);
        QApplication::sendEvent(menu, &event);
    }
}

// Right-clicks the first macro of the PC list (1) or of the mouse's list (2), so the picture
// shows the item selected and its popup open beside it.
void openMacroPopup(gm::ui::MainWindow& window, int list) {
    auto* view = window.findChild<QListWidget*>(list == 1 ? "LB_PCMacroName" : "LB_MacroName");
    if (view == nullptr || view->count() == 0)
        return;
    const QRect row = view->visualItemRect(view->item(0));
    const QPoint at = row.center() + QPoint(row.width() / 4, 0);
    const QPoint global = view->viewport()->mapToGlobal(at);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), QPointF(global), Qt::RightButton,
                          type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
}

void clickButton(gm::ui::MainWindow& window, const char* name) {
    if (auto* button = window.findChild<QAbstractButton*>(name))
        button->click();
}

// A left or right press and release at `at` of the list's viewport.
void clickRow(QListWidget& list, int row, Qt::MouseButton button) {
    const QPoint at = list.visualItemRect(list.item(row)).center();
    const QPoint global = list.viewport()->mapToGlobal(at);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), QPointF(global), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &event);
    }
}

// The macro editor on the first PC macro: recording Ctrl+A (1), the insert panel open on its
// second event for a key to insert (2), or the popup of its second event (3).
void openMacroEditor(gm::ui::MainWindow& window, int mode) {
    auto* library = window.findChild<QListWidget*>("LB_PCMacroName");
    auto* events = window.findChild<QListWidget*>("LB_macro");
    if (library == nullptr || events == nullptr || library->count() == 0)
        return;
    clickRow(*library, 0, Qt::LeftButton);
    if (mode == 1) {
        clickButton(window, "lbl_NoDelay");
        clickButton(window, "Btn_Start");
        for (const auto& [key, type] : {std::pair{Qt::Key_Control, QEvent::KeyPress},
                                        {Qt::Key_A, QEvent::KeyPress},
                                        {Qt::Key_A, QEvent::KeyRelease},
                                        {Qt::Key_Control, QEvent::KeyRelease}}) {
            QKeyEvent event(type, key, Qt::NoModifier);
            QApplication::sendEvent(&window, &event);
        }
        return;
    }
    if (events->count() < 2)
        return;
    clickRow(*events, 1, Qt::RightButton);
    if (mode == 2) {
        clickButton(window, "Btn_Insert");
        if (auto* kinds = window.findChild<QComboBox*>("CB_Insert"))
            kinds->setCurrentIndex(3);
    }
}

// Opens the chord dialog of label `key` through its key menu and gives it a chord (the Ctrl box,
// then A), so the picture shows it filled in over the dimmed page.
void openChordDialog(gm::ui::MainWindow& window, int key) {
    auto* label = window.findChild<QAbstractButton*>(QString("Key%1").arg(key));
    if (label == nullptr || !label->isVisible())
        return;
    label->click();
    auto* entry = window.findChild<QAbstractButton*>("Key_Assembly");
    if (entry == nullptr)
        return;
    entry->click();
    auto* ctrl = window.findChild<QAbstractButton*>("CB_Ctrl");
    QWidget* field = window.findChild<QWidget*>("Edt_Assembly");
    if (ctrl == nullptr || field == nullptr)
        return;
    ctrl->click();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, Qt::Key_A, Qt::NoModifier, "a");
        QApplication::sendEvent(field, &event);
    }
}

// The window as shown, with the dialogs open over it (they are windows of their own).
QPixmap windowWithDialogs(gm::ui::MainWindow& window) {
    QPixmap picture = window.grab();
    QPainter painter(&picture);
    for (QDialog* dialog : window.findChildren<QDialog*>()) {
        if (dialog->isVisible())
            painter.drawPixmap(window.mapFromGlobal(dialog->mapToGlobal(QPoint(0, 0))),
                               dialog->grab());
    }
    return picture;
}

// Opens the gun-preset page from key 1's "Fire Macro" entry and selects `preset`.
void openGunPreset(gm::ui::MainWindow& window, int preset) {
    auto* label = window.findChild<QAbstractButton*>("Key1");
    if (label == nullptr || !label->isVisible())
        return;
    label->click();
    if (auto* entry = window.findChild<QAbstractButton*>("Key_FireMacro"))
        entry->click();
    if (auto* gun = window.findChild<QAbstractButton*>(QString("Btn_Fire%1").arg(preset)))
        gun->click();
}

// Saves the window once the image is read and the page is shown; quits either way.
void takeScreenshot(gm::ui::MainWindow& window, gm::device::Workspace& workspace,
                    const gm::app::GmouseOptions& options, int& status) {
    const auto page = *gm::ui::pageOfNumber(options.page);
    auto taken = std::make_shared<bool>(false);
    QObject::connect(&window, &gm::ui::MainWindow::sessionRedrawn, &window, [&, taken, page] {
        auto& session = workspace.session();
        if (*taken || !session.imageRead() || session.readBusy())
            return;
        *taken = true;
        // Once the notifications of the read are all handled (the mouse's active profile
        // picks the key page), the asked page is shown and taken.
        QTimer::singleShot(0, &window, [&, page] {
            if (page == gm::ui::Page::Engineering)
                window.setEngineeringView(true);
            window.showPage(page);
            if (!options.tab.empty()) {
                auto* tabs = window.findChild<QTabWidget*>("PageControl_Eng");
                auto* sheet = window.findChild<QWidget*>(QString::fromStdString(options.tab));
                if (tabs == nullptr || sheet == nullptr || tabs->indexOf(sheet) < 0) {
                    std::cerr << "gmouse: no tab sheet named " << options.tab << "\n";
                    status = 1;
                    QApplication::quit();
                    return;
                }
                tabs->setCurrentWidget(sheet);
            }
            if (options.keyMenu > 0)
                openKeyMenu(window, page, options.keyMenu);
            if (options.macroPopup > 0)
                openMacroPopup(window, options.macroPopup);
            if (options.macroEditor > 0)
                openMacroEditor(window, options.macroEditor);
            if (options.chordDialog > 0)
                openChordDialog(window, options.chordDialog);
            if (options.gunPreset > 0)
                openGunPreset(window, options.gunPreset);
            const QString file = QString::fromStdString(options.screenshot);
            if (!windowWithDialogs(window).save(file, "PNG")) {
                std::cerr << "gmouse: could not write " << options.screenshot << "\n";
                status = 1;
            } else {
                status = 0;
            }
            QApplication::quit();
        });
    });
    QTimer::singleShot(kScreenshotTimeoutMs, &window, [&status] {
        std::cerr << "gmouse: the image was not read in time; no screenshot\n";
        status = 1;
        QApplication::quit();
    });
}

}  // namespace

namespace {

// With GMOUSE_REPORT_SHOWN set, prints the wall clock (nanoseconds since the epoch) when the
// window's first paint is done and the processor time used until then on standard error, so
// bench/gmouse_startup.sh can time the start also on a busy machine; and a line once the first
// image read is done, so bench/idle_wakeups.sh knows when the editor has nothing left to do.
void reportFirstPaint(gm::ui::MainWindow& window, gm::device::Workspace& workspace) {
    if (std::getenv("GMOUSE_REPORT_SHOWN") == nullptr)
        return;
    auto told = std::make_shared<bool>(false);
    QObject::connect(&window, &gm::ui::MainWindow::sessionRedrawn, &window, [&workspace, told] {
        const auto& session = workspace.session();
        if (*told || !session.imageRead() || session.readBusy())
            return;
        *told = true;
        std::cerr << "gmouse: image read\n";
    });
    QObject::connect(&window, &gm::ui::MainWindow::firstPainted, &window, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const double cpuMs = 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
        std::cerr << "gmouse: shown at "
                  << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << " after "
                  << cpuMs << " ms of processor time\n";
    });
}

// What a second start says once the running editor has been asked to come to the front: its
// own options stay, whatever this start was given.
std::string handOverNote(int argc, char** argv) {
    std::string note = "gmouse: handed over to the editor already running for this user";
    if (argc > 1) {
        note.append(", which keeps its own options (not applied:");
        for (int i = 1; i < argc; ++i)
            note.append(" ").append(argv[i]);
        note.append(")");
    }
    return note.append("\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = gm::app::parseGmouseOptions(gm::ctl::Args(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "gmouse: " << error << "\n" << gm::app::kGmouseUsage;
        return kExitUsage;
    }
    if (options->help) {
        std::cout << gm::app::kGmouseUsage;
        return 0;
    }
    const bool screenshot = !options->screenshot.empty();
    if (screenshot && std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName("gmouse");
    const unsigned uid = getuid();
    gm::app::InstancePlace place;
    if (!screenshot) {
        place =
            gm::app::findInstancePlace(std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR"), uid);
        if (place.socketPath.empty()) {
            std::cerr << "gmouse: " << place.problem
                      << "; starting without looking for a running editor\n";
        } else if (gm::app::SingleInstance::askRunningEditor(place.socketPath, uid)) {
            std::cerr << handOverNote(argc, argv);
            return 0;
        }
    }

    gm::app::EditorDevice device = gm::app::chooseEditorDevice(options->device);
    if (!device.choice) {
        std::cerr << "gmouse: " << device.error << "\n";
        return kExitUsage;
    }
    gm::ui::text::TextTable texts = gm::ui::text::TextTable::builtIn();
    texts.setLanguage(*gm::ui::text::languageFromNumber(options->language));
    QApplication::setApplicationDisplayName(QString::fromStdString(texts.title()));

    gm::ui::QtPresenter presenter(texts);
    gm::host::AtomicFileWriter files;
    gm::device::Workspace workspace(device.choice->backend(), device.choice->clock(),
                                    gm::device::Timing{}, presenter, files);
    device.choice->armFaults(workspace);
    // Every read of the image sets the LED type, package and report rate the settings keep.
    gm::settings::followImageReads(workspace);
    // ... and the device macro tables follow the Macro area.
    gm::macros::followMacroArea(workspace);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty())
        workspace.setBackupFolder(QDir(data).filePath("backups").toStdString());
    if (const auto journal = gm::host::writeJournalFile(device.choice->simulated());
        !journal.empty())
        workspace.setJournalFile(journal);

    // The Pointer card's desktop is asked only when the Advanced page is first shown. A
    // screenshot shows the defaults and leaves the user's desktop and store alone.
    gm::host::desktop_mouse::DesktopMouseSettings desktopMouse(
        gm::host::desktop_mouse::runningDesktop, gm::host::desktop_mouse::userPointerStore(files));
    int status = 0;
    {
        gm::ui::MainWindow window(workspace, presenter, texts,
                                  gm::image::settings::builtInProgramSettings());
        window.setDeviceNote(device.note);
        if (!screenshot)
            window.setDesktopMouse(desktopMouse);
        std::unique_ptr<gm::app::SingleInstance> instance;
        if (screenshot) {
            presenter.setMessageSink([](const QString&, const QString& text) {
                std::cerr << "gmouse: " << text.toStdString() << "\n";
            });
        }
        // The PC macro list: --macro-folder, else the Path setting, the program's folder or the
        // user's data folder.
        const std::filesystem::path macroFolder =
            !options->macroFolder.empty()
                ? std::filesystem::path(options->macroFolder)
                : gm::host::macroFolder(gm::host::systemFolderRules(
                      gm::image::settings::builtInProgramSettings().macroFolder));
        window.useMacroFile(macroFolder / gm::host::kMacroFileName);
        if (screenshot) {
            takeScreenshot(window, workspace, *options, status);
        } else {
            if (!place.socketPath.empty()) {
                instance =
                    std::make_unique<gm::app::SingleInstance>(place.socketPath, uid, [&window] {
                        window.showNormal();
                        window.raise();
                        window.activateWindow();
                    });
            }
            // The window has its icon once it has painted.
            QObject::connect(&window, &gm::ui::MainWindow::firstPainted, &window,
                             [&window] { new gm::ui::TrayIcon(window); });
        }
        if (const QScreen* screen = QApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            window.move(area.x() + (area.width() - window.width()) / 2,
                        area.y() + (area.height() - window.height()) / 2);
        }
        reportFirstPaint(window, workspace);
        window.show();
        window.startPolling();
        const int ran = app.exec();
        if (!screenshot)
            status = ran;
    }
    const std::string saveError = device.choice->saveSimulation();
    if (!saveError.empty()) {
        std::cerr << "gmouse: the virtual mouse's EEPROM was not saved: " << saveError << "\n";
        return 1;
    }
    return status;
}
