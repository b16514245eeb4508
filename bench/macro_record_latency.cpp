// Time from a key event to its line in the macro editor's event list while recording, measured
// on the host's steady clock: the event goes through the window's capture, the recorder and the
// list, whose viewport is then painted. A recording that fills up is started again. Prints the
// median, 95th percentile and maximum over the events.
// usage: macro_record_latency [EVENTS]   (default 200; offscreen unless QT_QPA_PLATFORM is set)

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_window.h"
#include "macros/device_tables.h"
#include "macros/macro_name.h"
#include "macros/pc_macros.h"

namespace {

using Clock = std::chrono::steady_clock;

double millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void leftClick(QWidget* widget, QPoint at) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    QApplication app(argc, argv);

    gm::device::Timing timing = gm::device::Timing::instant();
    timing.pollInterval = gm::device::Micros{20'000};
    gm::bench::BenchWindow bench(timing);
    gm::macros::followMacroArea(bench.workspace);

    QTemporaryDir folder;
    gm::image::PcMacroStore store;
    store.records[0].name = gm::macros::encodeMacroName("Bench");
    const std::filesystem::path library = folder.filePath("macros.bin").toStdString();
    bench.files.write(library, gm::macros::storeBytes(store));
    if (!bench.open([&](gm::ui::MainWindow& window) { window.useMacroFile(library); })) {
        std::fprintf(stderr, "macro_record_latency: the virtual mouse was not read\n");
        return 1;
    }
    gm::ui::MainWindow& window = *bench.window;
    window.showPage(gm::ui::Page::Macro);
    auto* macros = window.findChild<QListWidget*>("LB_PCMacroName");
    auto* events = window.findChild<QListWidget*>("LB_macro");
    auto* record = window.findChild<QAbstractButton*>("Btn_Start");
    auto* noDelay = window.findChild<QAbstractButton*>("lbl_NoDelay");
    if (macros == nullptr || events == nullptr || record == nullptr || noDelay == nullptr ||
        macros->count() == 0) {
        std::fprintf(stderr, "macro_record_latency: the macro page is not as expected\n");
        return 1;
    }
    leftClick(macros->viewport(), macros->visualItemRect(macros->item(0)).center());
    noDelay->click();

    std::vector<double> toLine;
    const Qt::Key keys[] = {Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F};
    // Presses and releases in turn; a press the full recording refused ends it, and the next
    // recording starts with a press again.
    for (int sent = 0; static_cast<int>(toLine.size()) < runs; ++sent) {
        if (!record->isChecked()) {
            record->click();
            sent += sent % 2;
        }
        const int rows = events->count();
        const Qt::Key key = keys[(sent / 2) % 4];
        QKeyEvent event(sent % 2 == 0 ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier);
        const Clock::time_point at = Clock::now();
        QApplication::sendEvent(&window, &event);
        events->viewport()->repaint();
        const Clock::time_point shown = Clock::now();
        QApplication::processEvents();
        if (events->count() == rows + 1) {
            toLine.push_back(millis(shown - at));
        } else if (record->isChecked() || sent % 2 == 1) {
            std::fprintf(stderr, "macro_record_latency: event %d made no line\n", sent);
            return 1;
        }
    }
    if (record->isChecked())
        record->click();

    std::sort(toLine.begin(), toLine.end());
    const auto at = [&](double share) {
        return toLine[static_cast<std::size_t>(share * static_cast<double>(toLine.size() - 1))];
    };
    std::printf(
        "key event to its line in the event list, painted (%d events, recording):\n"
        "  median %.3f ms, p95 %.3f ms, max %.3f ms (target < 5 ms)\n",
        runs, at(0.5), at(0.95), at(1.0));
    return at(0.5) < 5 ? 0 : 2;
}
