#pragma once
// Windows: the six values live in the current user's registry ("Control Panel\Mouse" and
// "Control Panel\Desktop", as decimal strings) and are applied to the running system through
// SystemParametersInfo. Built on Windows only.

#include "host/desktop_mouse/desktop_mouse.h"
#include "host/desktop_mouse/pointer_store.h"

namespace gm::host::desktop_mouse {

// A key that cannot be opened is skipped: nothing is written under it, and that is reported.
class RegistryPointerStore final : public PointerStore {
public:
    PointerReadings read() override;
    std::string write(const PointerValues& values) override;
};

// The registry is the desktop's own store, so reading it is the store's part.
class SystemParametersDesktop final : public DesktopMouse {
public:
    std::string name() const override { return "Windows (system parameters)"; }
    PointerReadings read() override { return {}; }
    std::optional<Refusal> apply(Setting setting, const PointerValues& values) override;
};

}  // namespace gm::host::desktop_mouse
