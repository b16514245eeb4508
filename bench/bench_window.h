#pragma once
// The editor's window on the virtual mouse and a manual clock, offscreen, for the benches that
// time a control from the window to the mouse: the session's pauses cost nothing, so what is
// timed is the host's own work.

#include <QApplication>
#include <QElapsedTimer>
#include <memory>

#include "device/clock.h"
#include "device/session/workspace.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "device/timing.h"
#include "image/settings/program_settings.h"
#include "support/plain_file_writer.h"
#include "ui/text/text_table.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_presenter.h"

namespace gm::bench {

struct BenchWindow {
    // `timing`: the session's pauses (free on the manual clock) and its poll interval.
    explicit BenchWindow(const device::Timing& timing)
        : mouse(clock, image::ChipType::Chip4210A),
          workspace(bus, clock, timing, presenter, files) {
        bus.attach(mouse);
        presenter.setMessageSink([](const QString&, const QString&) {});
    }

    // Makes and shows the window and waits until the mouse's image is read; false when it was
    // not read within 5 s. `before` runs on the window before it is shown.
    template <typename Before>
    bool open(Before before) {
        window = std::make_unique<ui::MainWindow>(workspace, presenter, texts, settings);
        before(*window);
        window->show();
        window->startPolling();
        QElapsedTimer waited;
        waited.start();
        while (!workspace.session().imageRead() && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return workspace.session().imageRead();
    }
    bool open() {
        return open([](ui::MainWindow&) {});
    }

    device::ManualClock clock;
    sim::VirtualBus bus;
    sim::VirtualMouse mouse;
    ui::text::TextTable texts = ui::text::TextTable::builtIn();
    ui::QtPresenter presenter{texts};
    testing::PlainFileWriter files;
    device::Workspace workspace;
    image::settings::ProgramSettings settings;  // the window keeps a reference
    std::unique_ptr<ui::MainWindow> window;
};

}  // namespace gm::bench
