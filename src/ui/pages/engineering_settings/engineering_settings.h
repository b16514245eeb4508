#pragma once
// The engineering page's settings sheets: CPI levels and profile, device options, LED, USB
// identity with the sensor registers, and the whole image in hex. Each control runs its settings
// operation on the mouse and every sheet shows the working copies again whenever they change, so
// the engineering view always mirrors the user pages and shows what the mouse holds after a refused
// write.

#include "ui/host/operation_host.h"
#include "ui/pages/engineering/engineering_tabs.h"

namespace gm::ui {

// Adds the sheets ts_Cpi, ts_Options, ts_Led, ts_Usb and ts_Image to the engineering tabs.
void buildEngineeringSettings(OperationHost& host, EngineeringTabs& tabs);

}  // namespace gm::ui
