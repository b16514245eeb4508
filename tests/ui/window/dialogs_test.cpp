// The window's own dialogs from the keyboard, and Qt's dialogs in the window's ways: a question
// answered with Enter, Space or Escape; the keyboard focus drawn on painted buttons; the file
// dialog opening where the last file was; the tray menu and the title following the window.

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>

#include "image/factory_images.h"
#include "image/geometry.h"
#include "image/layout.h"
#include "ui/pages/widgets/skin_button.h"
#include "ui/support/window_rig.h"
#include "ui/window/tray_icon.h"

namespace gm::ui::testing {

namespace {

// Runs `act` on the modal dialog named `name` (object name or class) once it is the active
// modal (inside its exec()) and has the keyboard, so a test can answer it; a progress window
// shown first is passed by. A dialog `act` left open is closed after a while, so a test whose
// answer went astray fails instead of waiting in exec() for ever.
void whenModalOpens(const char* name, std::function<void(QWidget&)> act) {
    QTimer::singleShot(10, [name, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || (modal->objectName() != name && !modal->inherits(name))) {
            whenModalOpens(name, act);
            return;
        }
        modal->activateWindow();
        if (!QTest::qWaitForWindowActive(modal, 2000))
            qWarning("the %s dialog did not get the keyboard", name);
        QPointer<QWidget> dialog(modal);
        act(*modal);
        QTimer::singleShot(3000, [dialog] {
            if (dialog != nullptr && dialog->isVisible())
                QMetaObject::invokeMethod(dialog, "reject");
        });
    });
}

// A key pressed where the dialog's keyboard focus is: its focus widget, known even while a busy
// machine has not made the dialog the active window yet.
void pressKey(QWidget& dialog, Qt::Key key) {
    QWidget* target = dialog.focusWidget();
    QTest::keyClick(target != nullptr ? target : &dialog, key);
}

}  // namespace

class DialogsTest final : public QObject {
    Q_OBJECT

private slots:
    void aQuestionIsAnsweredFromTheKeyboard() {
        struct Case {
            const char* name;
            std::vector<Qt::Key> keys;
            bool written;
        };
        const Case cases[] = {
            {"Escape declines", {Qt::Key_Escape}, false},
            {"Tab to Cancel, then Space", {Qt::Key_Tab, Qt::Key_Space}, false},
            {"Tab to Cancel, then Return", {Qt::Key_Tab, Qt::Key_Return}, false},
            {"Return takes the default", {Qt::Key_Return}, true},
            {"Space takes the default", {Qt::Key_Space}, true},
        };
        for (const Case& c : cases) {
            WindowRig rig;
            QTemporaryDir backups;
            rig.workspace.setBackupFolder(backups.path().toStdString());
            rig.window->setConfirmation({});  // the real question
            QVERIFY(rig.connect());
            rig.mouse.clearReports();
            bool asked = false;
            whenModalOpens("dlgMessage", [&](QWidget& dialog) {
                asked = true;
                for (Qt::Key key : c.keys)
                    pressKey(dialog, key);
            });
            rig.click("Btn_Reset_1");
            QVERIFY2(asked, c.name);
            QVERIFY2((rig.commandsSeen(device::command::kBlockWrite) > 0) == c.written, c.name);
        }
    }

    void theKeyboardFocusIsDrawnOnPaintedButtons() {
        WindowRig rig;
        QVERIFY(rig.connect());
        auto* button = rig.find<SkinButton>("Btn_SaveProfile_1");
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
        rig.window->activateWindow();
        button->clearFocus();
        const QImage unfocused = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        QVERIFY(button->hasFocus());
        QVERIFY(button->grab().toImage() != unfocused);
        // A click does not take the focus away from where the keyboard left it.
        QVERIFY(!(button->focusPolicy() & Qt::ClickFocus));
    }

    void theFileDialogOpensWhereTheLastFileWas() {
        WindowRig rig;
        rig.window->setFileChooser({});  // the real dialog
        QTemporaryDir backups;  // the load keeps one; without a folder it is refused in a box
        rig.workspace.setBackupFolder(backups.path().toStdString());
        QVERIFY(rig.connect());
        QTemporaryDir folder;
        // A profile the mouse takes: a refused one would put a message box in the way of the
        // second dialog.
        const QString file = QDir(folder.path()).absoluteFilePath("profile.bin");
        const image::Image& profile = image::factoryImageFor("4210A", 2);
        std::ofstream(file.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(profile.data()), std::ssize(profile));
        QStringList openedIn;
        const auto chooseTheFile = [&](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            QVERIFY(dialog != nullptr);
            QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
            openedIn << QDir(dialog->directory()).absolutePath();
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        };
        whenModalOpens("QFileDialog", chooseTheFile);
        rig.click("Btn_LoadProfile_1");
        // The load restarts the mouse: the second click waits until it is read again.
        QVERIFY(QTest::qWaitFor([&] { return rig.workspace.session().imageRead(); }, 5000));
        whenModalOpens("QFileDialog", chooseTheFile);
        rig.click("Btn_LoadProfile_1");
        QString said = rig.window->statusText();
        for (const Shown& shown : rig.messages)
            said += " | " + shown.text;
        QVERIFY2(openedIn == (QStringList{QDir::homePath(), QDir(folder.path()).absolutePath()}),
                 qPrintable(openedIn.join(", ") + ": " + said));
    }

    void theTrayMenuSpeaksTheWindowsLanguage() {
        WindowRig rig;
        auto* tray = new TrayIcon(*rig.window);
        const auto captions = [tray] {
            QStringList texts;
            for (const QAction* action : tray->menu()->actions())
                texts << action->text();
            return texts;
        };
        QCOMPARE(captions(), (QStringList{"Show", "Exit"}));
        rig.window->setLanguage(2);
        QCOMPARE(captions(), (QStringList{"显示", "退出"}));
    }

    void theTitleNamesTheConnectedChip() {
        for (const auto chip : {image::ChipType::Chip4210A, image::ChipType::Chip4230A}) {
            WindowRig rig({}, true, chip);
            QVERIFY(rig.connect());
            const QString name = QString::fromStdString(std::string(image::chipText(chip)));
            QVERIFY(rig.window->windowTitle().contains(name));
            QVERIFY(rig.find<QLabel>("lbl_Title")->text().contains(name));
            rig.window->setLanguage(2);
            QVERIFY(rig.find<QLabel>("lbl_Title")->text().contains(name));
        }
    }
};

int runDialogTests(int argc, char** argv) {
    DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

#include "dialogs_test.moc"
