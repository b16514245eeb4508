#pragma once
// The engineering page's settings sheets: CPI levels and profile, device options, LED, USB
// identity with the sensor registers, and the whole image in hex. Each control runs its settings
// operation on the mouse and every sheet shows the working copies again whenever they change, so
// the engineering view always mirrors the user pages and shows what the mouse holds after a refused
// write.

#include <QTabWidget>

#include "ui/window/operation_host.h"

namespace gm::ui {

// Adds the sheets ts_Cpi, ts_Options, ts_Led, ts_Usb and ts_Image to the engineering tab widget.
void buildEngineeringSettings(OperationHost& host, QTabWidget& tabs);

}  // namespace gm::ui
