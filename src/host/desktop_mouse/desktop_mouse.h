#pragma once
// One running desktop's mouse settings: what it uses now and how a setting is applied to it at
// once. Each desktop offers some of the four settings through its own store or call; what it
// cannot apply is answered as a refusal, never dropped in silence. The implementations are
// chosen at run time (running_desktop.h); tests use a fake.

#include <optional>
#include <string>

#include "settings/desktop/desktop_pointer.h"

namespace gm::host::desktop_mouse {

using settings::desktop::PointerReadings;
using settings::desktop::PointerValues;
using settings::desktop::Setting;

struct Refusal {
    enum class Reason {
        NotOffered,    // this desktop has no such setting
        NotInstalled,  // the desktop's schema or key is missing; `detail` names it
        Failed,        // the desktop refused; `detail` says how
    };
    Setting setting;
    Reason reason;
    std::string detail;
    bool operator==(const Refusal&) const = default;
};

class DesktopMouse {
public:
    virtual ~DesktopMouse() = default;
    // Which desktop applies the settings, e.g. "GNOME (GSettings)".
    virtual std::string name() const = 0;
    // No desktop at all: every setting is only stored (no_desktop.h).
    virtual bool appliesNothing() const { return false; }
    // What the desktop uses now, in the stored values' units; absent where it has no value.
    virtual PointerReadings read() = 0;
    // Applies `setting` from `values`; nothing when the desktop took it.
    virtual std::optional<Refusal> apply(Setting setting, const PointerValues& values) = 0;
};

// What a refusal says, in English: "wheel lines: not offered by this desktop".
std::string describe(const Refusal& refusal);
// The setting as a refusal names it: "pointer speed", "pointer precision", "double-click
// time", "wheel lines".
std::string settingName(Setting setting);

}  // namespace gm::host::desktop_mouse
