#pragma once
// Builds the button controls of the window on one shared KeyEditor: the key page in the profile
// pages' group box now, and returns the builder of the engineering page's "Keys" sheet, which
// runs when the engineering page is first shown.

#include "ui/pages/engineering/engineering_page.h"

class QWidget;

namespace gm::ui {

SheetBuilder buildKeyPages(OperationHost& host, QWidget* keyPageBox);

}  // namespace gm::ui
