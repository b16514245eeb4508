#pragma once
// A plain X11 session: the X server's pointer control, which has an acceleration factor and a
// threshold and nothing else. The precision triple maps to it as
//   acceleration = 2^acceleration / 1 (on: 2/1, off: 1/1), threshold = threshold 1 (on: 6),
// so with precision the pointer moves twice as far beyond 6 pixels per event, as it does on the
// desktop the stored values come from; threshold 2 has no counterpart (X accelerates in one
// step). Reading, an acceleration above 1 is precision on. Pointer speed, double-click time and
// wheel lines are not the X server's to set.

#include <memory>

#include "host/desktop_mouse/desktop_mouse.h"

namespace gm::host::desktop_mouse {

struct X11PointerControl {
    int numerator = 1;
    int denominator = 1;
    int threshold = 0;
    bool operator==(const X11PointerControl&) const = default;
};
X11PointerControl x11PointerControlOf(const settings::desktop::Precision& precision);
settings::desktop::Precision precisionOfX11(const X11PointerControl& control);

class X11Desktop final : public DesktopMouse {
public:
    // The display DISPLAY names; nothing when there is none or it cannot be opened.
    static std::unique_ptr<X11Desktop> open();
    ~X11Desktop() override;
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    std::string name() const override { return "X11 (pointer control)"; }
    PointerReadings read() override;
    std::optional<Refusal> apply(Setting setting, const PointerValues& values) override;

private:
    struct Display;
    explicit X11Desktop(std::unique_ptr<Display> display);
    std::unique_ptr<Display> display_;
};

}  // namespace gm::host::desktop_mouse
