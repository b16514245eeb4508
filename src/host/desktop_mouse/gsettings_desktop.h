#pragma once
// GNOME and the other desktops that keep their mouse settings in GSettings, through GIO:
// org.gnome.desktop.peripherals.mouse's `speed` (-1..1) for the pointer speed, `accel-profile`
// ("default" with precision, "flat" without) and `double-click` in milliseconds. Wheel lines are
// not among them. The schema and each key are looked up before use: one that is not installed
// is refused by name, never a crash.

#include <memory>
#include <string>

#include "host/desktop_mouse/desktop_mouse.h"

namespace gm::host::desktop_mouse {

inline constexpr const char* kMouseSchema = "org.gnome.desktop.peripherals.mouse";

class GSettingsDesktop final : public DesktopMouse {
public:
    // `schemaId` names another schema with the same keys (tests use a partial one).
    explicit GSettingsDesktop(std::string schemaId = kMouseSchema);
    ~GSettingsDesktop() override;
    GSettingsDesktop(const GSettingsDesktop&) = delete;
    GSettingsDesktop& operator=(const GSettingsDesktop&) = delete;

    std::string name() const override { return "GNOME (GSettings)"; }
    PointerReadings read() override;
    std::optional<Refusal> apply(Setting setting, const PointerValues& values) override;

private:
    struct Schema;
    std::string schemaId_;
    std::unique_ptr<Schema> schema_;
};

}  // namespace gm::host::desktop_mouse
