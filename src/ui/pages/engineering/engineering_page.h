#pragma once
// The engineering page in its group box: the tab widget, the "Engineer" sheet with the status
// test boxes (which follow the mouse from the start), and, on the page's first showing, the
// image and XDATA operations, the settings sheets, the sheets other features add and the gun
// presets sheet.

#include <functional>
#include <vector>

#include "ui/host/operation_host.h"
#include "ui/pages/engineering/engineering_tabs.h"

class QWidget;

namespace gm::ui {

// Adds a feature's sheet (the key sheet) to the tabs.
using SheetBuilder = std::function<void(EngineeringTabs&)>;

// Builds what the page shows at once and returns what builds the rest; the window runs it when
// the page is first shown (hundreds of controls few users ever see).
std::function<void()> buildEngineeringPage(OperationHost& host, QWidget& box,
                                           std::vector<SheetBuilder> featureSheets);

}  // namespace gm::ui
