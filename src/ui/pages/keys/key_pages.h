#pragma once
// Builds the button controls of the window: the key page in the profile pages' group box and the
// "Keys" sheet of the engineering tabs, both on one shared KeyEditor.

class QTabWidget;
class QWidget;

namespace gm::ui {

class OperationHost;

void buildKeyPages(OperationHost& host, QWidget* keyPageBox, QTabWidget* engineeringTabs);

}  // namespace gm::ui
