#pragma once
// A desktop and a store for tests of the desktop mouse settings: both log their calls into one
// list (so a test sees the order), the desktop answers with the readings it is given and
// refuses the settings it is told to, the store keeps what it was last given.

#include <algorithm>
#include <string>
#include <vector>

#include "host/desktop_mouse/desktop_mouse.h"
#include "host/desktop_mouse/pointer_store.h"

namespace gm::host::desktop_mouse::testing {

inline std::string logged(const PointerValues& values) {
    return std::to_string(values.speed) + " " + std::to_string(values.precision.acceleration) +
           " " + std::to_string(values.doubleClickMs) + " " + std::to_string(values.wheelLines);
}

class FakeDesktop final : public DesktopMouse {
public:
    explicit FakeDesktop(std::vector<std::string>& calls) : calls_(calls) {}
    std::string name() const override { return "Fake desktop"; }
    PointerReadings read() override {
        calls_.push_back("desktop read");
        return readings;
    }
    std::optional<Refusal> apply(Setting setting, const PointerValues& values) override {
        const auto& p = values.precision;
        switch (setting) {
            case Setting::PointerSpeed:
                calls_.push_back("apply speed " + std::to_string(values.speed));
                break;
            case Setting::Precision:
                calls_.push_back("apply precision " + std::to_string(p.threshold1) + "," +
                                 std::to_string(p.threshold2) + "," +
                                 std::to_string(p.acceleration));
                break;
            case Setting::DoubleClick:
                calls_.push_back("apply double-click " + std::to_string(values.doubleClickMs));
                break;
            case Setting::WheelLines:
                calls_.push_back("apply wheel " + std::to_string(values.wheelLines));
                break;
        }
        if (std::ranges::find(refused, setting) != refused.end())
            return Refusal{setting, Refusal::Reason::NotOffered, {}};
        return std::nullopt;
    }

    PointerReadings readings;
    std::vector<Setting> refused;

private:
    std::vector<std::string>& calls_;
};

class FakeStore final : public PointerStore {
public:
    explicit FakeStore(std::vector<std::string>& calls) : calls_(calls) {}
    PointerReadings read() override {
        calls_.push_back("store read");
        return readings;
    }
    std::string write(const PointerValues& values) override {
        calls_.push_back("store write " + logged(values));
        written = values;
        return error;
    }

    PointerReadings readings;
    std::string error;  // what every write answers
    std::optional<PointerValues> written;

private:
    std::vector<std::string>& calls_;
};

}  // namespace gm::host::desktop_mouse::testing
