#pragma once
// A session without a desktop whose mouse settings this program can reach (a console, an
// unknown Wayland compositor) or where the user chose none (GMOUSE_DESKTOP=none): nothing is
// read, every setting is refused as not offered, and only the store keeps the values.

#include "host/desktop_mouse/desktop_mouse.h"

namespace gm::host::desktop_mouse {

class NoDesktop final : public DesktopMouse {
public:
    explicit NoDesktop(std::string name = "none (the settings are only stored)")
        : name_(std::move(name)) {}
    std::string name() const override { return name_; }
    bool appliesNothing() const override { return true; }
    PointerReadings read() override { return {}; }
    std::optional<Refusal> apply(Setting setting, const PointerValues&) override {
        return Refusal{setting, Refusal::Reason::NotOffered, {}};
    }

private:
    std::string name_;
};

}  // namespace gm::host::desktop_mouse
