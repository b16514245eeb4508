#pragma once
// Builds the Advanced page into gbPage2 and the Light page into gbPage3. The pages live as
// children of their group boxes and hear the host's page events.

#include <QWidget>

namespace gm::ui {

class OperationHost;

void buildSettingsPages(OperationHost& host, QWidget* advancedBox, QWidget* lightBox);

}  // namespace gm::ui
