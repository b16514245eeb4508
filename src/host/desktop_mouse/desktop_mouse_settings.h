#pragma once
// The desktop mouse settings as the Pointer card and `gmousectl desktop` edit them. They are
// read once, on first use: the desktop's current values where it has them, else the stored
// ones. Every change then applies all of them: the six stored values first, then the desktop,
// setting by setting in kApplyOrder, and reports what could not be applied.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/desktop_mouse/desktop_mouse.h"
#include "host/desktop_mouse/pointer_store.h"

namespace gm::host::desktop_mouse {

using settings::desktop::PointerSettings;

struct ApplyReport {
    std::string storeError;  // empty when the store took the values
    std::vector<Refusal> refusals;
    bool complete() const { return storeError.empty() && refusals.empty(); }
};

class DesktopMouseSettings {
public:
    // Opens the running desktop; called once, on first use, so a program that never shows the
    // settings never asks the desktop.
    using DesktopOpener = std::function<std::unique_ptr<DesktopMouse>()>;
    DesktopMouseSettings(DesktopOpener openDesktop, std::unique_ptr<PointerStore> store);

    const PointerSettings& current();
    DesktopMouse& desktop();
    // Runs `change` on the settings and, when it accepts (a level in range), applies all.
    // Nothing when it refused; the settings are then unchanged.
    std::optional<ApplyReport> change(const std::function<bool(PointerSettings&)>& change);

private:
    void load();

    DesktopOpener openDesktop_;
    std::unique_ptr<PointerStore> store_;
    std::unique_ptr<DesktopMouse> desktop_;
    PointerSettings settings_;
};

// Applies `settings`: the store, then each setting in kApplyOrder to the desktop.
ApplyReport applyAll(const PointerSettings& settings, PointerStore& store, DesktopMouse& desktop);

}  // namespace gm::host::desktop_mouse
