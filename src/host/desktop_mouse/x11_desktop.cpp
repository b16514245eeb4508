#include "host/desktop_mouse/x11_desktop.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <string>

namespace gm::host::desktop_mouse {

namespace {

// The X error of the last request checked; Xlib's own handler would end the program.
int lastError = 0;

int recordError(::Display*, XErrorEvent* event) {
    lastError = event->error_code;
    return 0;
}

}  // namespace

X11PointerControl x11PointerControlOf(const settings::desktop::Precision& precision) {
    if (!precision.on())
        return {1, 1, 0};
    return {1 << std::max(precision.acceleration, 1), 1, precision.threshold1};
}

settings::desktop::Precision precisionOfX11(const X11PointerControl& control) {
    return control.numerator > control.denominator ? settings::desktop::kPrecisionOn
                                                   : settings::desktop::kPrecisionOff;
}

struct X11Desktop::Display {
    ::Display* connection = nullptr;
    ~Display() {
        if (connection != nullptr)
            XCloseDisplay(connection);
    }
};

std::unique_ptr<X11Desktop> X11Desktop::open() {
    auto display = std::make_unique<Display>();
    display->connection = XOpenDisplay(nullptr);
    if (display->connection == nullptr)
        return nullptr;
    return std::unique_ptr<X11Desktop>(new X11Desktop(std::move(display)));
}

X11Desktop::X11Desktop(std::unique_ptr<Display> display) : display_(std::move(display)) {}

X11Desktop::~X11Desktop() = default;

PointerReadings X11Desktop::read() {
    X11PointerControl control;
    XGetPointerControl(display_->connection, &control.numerator, &control.denominator,
                       &control.threshold);
    return {.precision = precisionOfX11(control)};
}

std::optional<Refusal> X11Desktop::apply(Setting setting, const PointerValues& values) {
    if (setting != Setting::Precision)
        return Refusal{setting, Refusal::Reason::NotOffered, {}};
    const X11PointerControl control = x11PointerControlOf(values.precision);
    lastError = 0;
    const auto previous = XSetErrorHandler(recordError);
    XChangePointerControl(display_->connection, True, True, control.numerator, control.denominator,
                          control.threshold);
    XSync(display_->connection, False);
    XSetErrorHandler(previous);
    if (lastError != 0)
        return Refusal{
            setting, Refusal::Reason::Failed,
            "the X server refused the pointer control (error " + std::to_string(lastError) + ")"};
    return std::nullopt;
}

}  // namespace gm::host::desktop_mouse
