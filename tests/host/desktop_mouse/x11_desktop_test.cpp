// The X server's pointer control: the mapping of the precision triple, and the desktop on a
// private Xvfb (started in main, its display number read from -displayfd), read back with xset.
#include "host/desktop_mouse/x11_desktop.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <regex>

#include "run_tool.h"

namespace gm::host::desktop_mouse {
namespace {

using settings::desktop::kPrecisionOff;
using settings::desktop::kPrecisionOn;
using testing::toolOutput;

// "2/1 6": the acceleration and threshold xset reports.
std::string xsetPointerControl() {
    const std::string report = toolOutput("xset q");
    std::smatch match;
    if (!std::regex_search(report, match,
                           std::regex(R"(acceleration:\s+(\d+/\d+)\s+threshold:\s+(\d+))")))
        return "xset said: " + report;
    return match[1].str() + " " + match[2].str();
}

TEST(X11Desktop, PrecisionMapsToAccelerationAndThreshold) {
    EXPECT_EQ(x11PointerControlOf(kPrecisionOn), (X11PointerControl{2, 1, 6}));
    EXPECT_EQ(x11PointerControlOf(kPrecisionOff), (X11PointerControl{1, 1, 0}));
    EXPECT_EQ(precisionOfX11({2, 1, 4}), kPrecisionOn);  // the X server's own default
    EXPECT_EQ(precisionOfX11({1, 1, 0}), kPrecisionOff);
    EXPECT_EQ(precisionOfX11({3, 4, 2}), kPrecisionOff);  // slower beyond the threshold
}

TEST(X11Desktop, AppliesAndReadsPrecisionOnTheServerAndRefusesTheRest) {
    std::unique_ptr<X11Desktop> desktop = X11Desktop::open();
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(desktop->read(), (PointerReadings{.precision = kPrecisionOn}));
    PointerValues values;
    values.precision = kPrecisionOff;
    EXPECT_EQ(desktop->apply(Setting::Precision, values), std::nullopt);
    EXPECT_EQ(xsetPointerControl(), "1/1 0");
    EXPECT_EQ(desktop->read(), (PointerReadings{.precision = kPrecisionOff}));
    values.precision = kPrecisionOn;
    EXPECT_EQ(desktop->apply(Setting::Precision, values), std::nullopt);
    EXPECT_EQ(xsetPointerControl(), "2/1 6");
    for (const Setting other : {Setting::PointerSpeed, Setting::DoubleClick, Setting::WheelLines})
        EXPECT_EQ(desktop->apply(other, values), (Refusal{other, Refusal::Reason::NotOffered, {}}));
}

TEST(X11Desktop, NoDisplayOpensNothing) {
    const std::string display = getenv("DISPLAY");
    setenv("DISPLAY", ":4093", 1);  // no server there
    EXPECT_EQ(X11Desktop::open(), nullptr);
    setenv("DISPLAY", display.c_str(), 1);
}

// Starts Xvfb on a free display and names it in DISPLAY; its process id, or -1.
pid_t startXvfb() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeEnds[0]);
        const std::string fd = std::to_string(pipeEnds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0",
               "640x480x24", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    // The server writes its display number once it accepts connections.
    std::string number;
    char c = 0;
    while (read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(pipeEnds[0]);
    if (number.empty()) {
        waitpid(pid, nullptr, 0);
        return -1;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return pid;
}

}  // namespace
}  // namespace gm::host::desktop_mouse

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const pid_t server = gm::host::desktop_mouse::startXvfb();
    if (server < 0) {
        std::fprintf(stderr, "Xvfb could not be started (scripts/setup.sh installs it)\n");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    return result;
}
