// The baseline of bench/gmouse_startup.sh: an empty Qt Widgets window of the editor's size that
// reports its first paint the way gmouse does with GMOUSE_REPORT_SHOWN, so the start-up of the
// editor can be compared with what Qt alone costs on the same machine.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <ctime>
#include <iostream>

namespace {

class BareWindow final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (painted_)
            return;
        painted_ = true;
        QTimer::singleShot(0, this, [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const double cpuMs = 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
            std::cerr << "gmouse: shown at "
                      << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                      << " after " << cpuMs << " ms of processor time\n";
        });
    }

private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(980, 620);
    window.show();
    return app.exec();
}
