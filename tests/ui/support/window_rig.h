#pragma once
// The main window on the virtual mouse and a manual clock, offscreen: controls are found by
// their object names, and the messages the window would have shown are recorded instead.

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "device/clock.h"
#include "device/session/workspace.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "device/timing.h"
#include "device/wire.h"
#include "image/settings/program_settings.h"
#include "macros/device_tables.h"
#include "support/plain_file_writer.h"
#include "support/seen_commands.h"
#include "ui/text/text_table.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_presenter.h"

namespace gm::ui::testing {

inline device::Timing windowTiming() {
    device::Timing timing = device::Timing::instant();
    // The manual clock makes the waits free; DevTimer still needs a real interval.
    timing.pollInterval = device::Micros{20'000};
    timing.restartSettle = device::Micros{5'100'000};
    timing.pumpStep = device::Micros{100'000};
    return timing;
}

struct Shown {
    QString textId;
    QString text;
};

struct WindowRig {
    explicit WindowRig(image::settings::ProgramSettings settings = {}, bool attached = true,
                       image::ChipType chip = image::ChipType::Chip4210A)
        : mouse(clock, chip) {
        if (attached)
            bus.attach(mouse);
        macros::followMacroArea(workspace);
        presenter.setMessageSink([this](const QString& id, const QString& text) {
            messages.push_back({id, text});
        });
        window = std::make_unique<MainWindow>(workspace, presenter, texts, settings);
        // The PC macro list in a folder of the test's own.
        window->useMacroFile(macroFile());
        window->setConfirmation([this](const QString& question) {
            questions.push_back(question);
            return answer;
        });
        window->show();
    }
    ~WindowRig() { window.reset(); }

    // Starts DevTimer and waits until the mouse's image has been read.
    bool connect() {
        window->startPolling();
        return QTest::qWaitFor([this] { return workspace.session().imageRead(); }, 5000);
    }

    template <typename Widget = QWidget>
    Widget* find(const char* name) const {
        auto* found = window->findChild<Widget*>(name);
        if (found == nullptr)
            qFatal("no control named %s", name);
        return found;
    }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    bool checked(const char* name) const { return find<QAbstractButton>(name)->isChecked(); }

    bool shown(const QString& textIdOrText) const {
        for (const Shown& message : messages) {
            if (message.textId == textIdOrText || message.text.contains(textIdOrText))
                return true;
        }
        return false;
    }

    std::filesystem::path macroFile() const {
        return std::filesystem::path(macroFolder.path().toStdString()) / "RDXM4210A-Macro.bin";
    }

    // Command reports the mouse received with this command code.
    int commandsSeen(std::uint8_t code) const {
        return static_cast<int>(gm::testing::commandReports(mouse, code).size());
    }

    QTemporaryDir macroFolder;
    device::ManualClock clock;
    sim::VirtualBus bus;
    sim::VirtualMouse mouse;
    text::TextTable texts = text::TextTable::builtIn();
    QtPresenter presenter{texts};
    gm::testing::PlainFileWriter files;
    device::Workspace workspace{bus, clock, windowTiming(), presenter, files};
    std::unique_ptr<MainWindow> window;
    std::vector<Shown> messages;
    // The questions asked before a whole-image write, and how they are answered.
    std::vector<QString> questions;
    bool answer = true;
};

}  // namespace gm::ui::testing
