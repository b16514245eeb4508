// One program for the key page suites: each runs on its own window rig.

#include <QApplication>

namespace gm::ui::testing {
int runKeyMenuTests(int argc, char** argv);
int runKeyPageTests(int argc, char** argv);
int runEngineeringKeysTests(int argc, char** argv);
int runChordDialogTests(int argc, char** argv);
}  // namespace gm::ui::testing

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using namespace gm::ui::testing;
    int failed = runKeyMenuTests(argc, argv);
    failed += runKeyPageTests(argc, argv);
    failed += runEngineeringKeysTests(argc, argv);
    failed += runChordDialogTests(argc, argv);
    return failed == 0 ? 0 : 1;
}
