// One program for the window's suites: the frame and its pages, the update page's operations,
// a refused change said alike on every page, and the dialogs. Each runs on its own window rig.

#include <QApplication>

namespace gm::ui::testing {
int runMainWindowTests(int argc, char** argv);
int runUpdatePageTests(int argc, char** argv);
int runRefusedChangeTests(int argc, char** argv);
int runDialogTests(int argc, char** argv);
}  // namespace gm::ui::testing

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // As QTEST_MAIN sets it: fonts and geometry at 96 DPI whatever the screen reports.
    app.setAttribute(Qt::AA_Use96Dpi, true);
    using namespace gm::ui::testing;
    int failed = runMainWindowTests(argc, argv);
    failed += runUpdatePageTests(argc, argv);
    failed += runRefusedChangeTests(argc, argv);
    failed += runDialogTests(argc, argv);
    return failed == 0 ? 0 : 1;
}
