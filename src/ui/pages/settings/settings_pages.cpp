#include "ui/pages/settings/settings_pages.h"

#include "ui/pages/settings/advanced_page.h"
#include "ui/pages/settings/light_page.h"

namespace gm::ui {

void buildAdvancedPage(OperationHost& host, QWidget* groupBox) {
    new AdvancedPage(host, groupBox);
}

void buildLightPage(OperationHost& host, QWidget* groupBox) {
    new LightPage(host, groupBox);
}

}  // namespace gm::ui
