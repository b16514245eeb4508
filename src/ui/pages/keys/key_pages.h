#pragma once
// Builds the button controls of the window on one shared KeyEditor: the key page in the profile
// pages' group box now, and returns the builder of the engineering tabs' "Keys" sheet, which the
// window runs when the engineering page is first shown.

#include <functional>

class QTabWidget;
class QWidget;

namespace gm::ui {

class OperationHost;

std::function<void()> buildKeyPages(OperationHost& host, QWidget* keyPageBox,
                                    QTabWidget* engineeringTabs);

}  // namespace gm::ui
