#include "host/desktop_mouse/desktop_mouse_settings.h"

namespace gm::host::desktop_mouse {

ApplyReport applyAll(const PointerSettings& settings, PointerStore& store, DesktopMouse& desktop) {
    const PointerValues values = settings::desktop::valuesOf(settings);
    ApplyReport report;
    report.storeError = store.write(values);
    for (const Setting setting : settings::desktop::kApplyOrder) {
        if (std::optional<Refusal> refusal = desktop.apply(setting, values))
            report.refusals.push_back(std::move(*refusal));
    }
    return report;
}

DesktopMouseSettings::DesktopMouseSettings(DesktopOpener openDesktop,
                                           std::unique_ptr<PointerStore> store)
    : openDesktop_(std::move(openDesktop)), store_(std::move(store)) {}

void DesktopMouseSettings::load() {
    if (desktop_)
        return;
    desktop_ = openDesktop_();
    const PointerReadings now = desktop_->read();
    settings_ = settings::desktop::settingsOf(settings::desktop::preferring(now, store_->read()));
}

const PointerSettings& DesktopMouseSettings::current() {
    load();
    return settings_;
}

DesktopMouse& DesktopMouseSettings::desktop() {
    load();
    return *desktop_;
}

std::optional<ApplyReport> DesktopMouseSettings::change(
    const std::function<bool(PointerSettings&)>& change) {
    load();
    PointerSettings changed = settings_;
    if (!change(changed))
        return std::nullopt;
    settings_ = changed;
    return applyAll(settings_, *store_, *desktop_);
}

}  // namespace gm::host::desktop_mouse
