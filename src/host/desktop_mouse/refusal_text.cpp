#include "host/desktop_mouse/desktop_mouse.h"

namespace gm::host::desktop_mouse {

std::string settingName(Setting setting) {
    switch (setting) {
        case Setting::PointerSpeed:
            return "pointer speed";
        case Setting::Precision:
            return "pointer precision";
        case Setting::DoubleClick:
            return "double-click time";
        case Setting::WheelLines:
            return "wheel lines";
    }
    return {};
}

std::string describe(const Refusal& refusal) {
    const std::string setting = settingName(refusal.setting);
    switch (refusal.reason) {
        case Refusal::Reason::NotOffered:
            return setting + ": not offered by this desktop";
        case Refusal::Reason::NotInstalled:
            return setting + ": " + refusal.detail + " is not installed";
        case Refusal::Reason::Failed:
            return setting + ": " + refusal.detail;
    }
    return setting;
}

}  // namespace gm::host::desktop_mouse
