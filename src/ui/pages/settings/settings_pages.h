#pragma once
// Builds the Advanced page into gbPage2 and the Light page into gbPage3 (the window builds each
// on its first showing). The pages live as children of their group boxes, hear the host's page
// events, and show the current language and image from the start.

#include <QWidget>

namespace gm::ui {

class OperationHost;

void buildAdvancedPage(OperationHost& host, QWidget* groupBox);
void buildLightPage(OperationHost& host, QWidget* groupBox);

}  // namespace gm::ui
