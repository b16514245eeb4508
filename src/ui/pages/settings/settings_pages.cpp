#include "ui/pages/settings/settings_pages.h"

#include "ui/pages/settings/advanced_page.h"
#include "ui/pages/settings/light_page.h"

namespace gm::ui {

void buildSettingsPages(OperationHost& host, QWidget* advancedBox, QWidget* lightBox) {
    new AdvancedPage(host, advancedBox);
    new LightPage(host, lightBox);
}

}  // namespace gm::ui
