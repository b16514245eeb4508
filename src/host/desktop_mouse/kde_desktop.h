#pragma once
// KDE Plasma. The double-click interval and the wheel lines live in kdeglobals ([KDE]
// DoubleClickInterval, WheelScrollLines); they are written and read by KConfig's own tools
// (kwriteconfig6 or kwriteconfig5, kreadconfig6 or kreadconfig5), since this program is built on
// Qt 6 and KDE Frameworks 5's KConfig library cannot be linked into it, and running KDE programs
// are then told to read their mouse settings again (KGlobalSettings notifyChange). The pointer
// speed and the acceleration profile are set on every mouse (a pointer that is no touchpad) of
// KWin's input-device D-Bus interface, when KWin offers it: pointerAcceleration (-1..1) and
// pointerAccelerationProfileFlat (true without precision). One screen per notch has no KDE
// counterpart.

#include <memory>
#include <string>
#include <variant>

#include "host/desktop_mouse/desktop_mouse.h"

namespace gm::host::desktop_mouse {

class KdeDesktop final : public DesktopMouse {
public:
    // Finds the tools in PATH and KWin on the session bus; what is missing is refused later.
    KdeDesktop();
    ~KdeDesktop() override;
    KdeDesktop(const KdeDesktop&) = delete;
    KdeDesktop& operator=(const KdeDesktop&) = delete;

    std::string name() const override { return "KDE Plasma (kdeglobals, KWin)"; }
    PointerReadings read() override;
    std::optional<Refusal> apply(Setting setting, const PointerValues& values) override;

private:
    std::optional<Refusal> writeGlobal(Setting setting, const char* key, int value);
    std::optional<Refusal> setOnMice(Setting setting, const char* property,
                                     std::variant<bool, double> value);

    struct Session;
    std::unique_ptr<Session> session_;
};

}  // namespace gm::host::desktop_mouse
