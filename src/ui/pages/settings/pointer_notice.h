#pragma once
// The one line of the Pointer card that says where the settings went: before any change, which
// desktop applies them; after each change, that it applied all, or what it could not apply
// (the settings it does not offer in one sentence, each other refusal on its own) and a store
// that could not be written.

#include <QString>

#include "host/desktop_mouse/desktop_mouse_settings.h"

namespace gm::ui {

QString desktopNotice(const host::desktop_mouse::DesktopMouse& desktop, int language);
QString applyNotice(const host::desktop_mouse::ApplyReport& report,
                    const host::desktop_mouse::DesktopMouse& desktop, int language);

}  // namespace gm::ui
