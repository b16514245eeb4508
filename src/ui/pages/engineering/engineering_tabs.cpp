#include "ui/pages/engineering/engineering_tabs.h"

#include <algorithm>

namespace gm::ui {

EngineeringTabs::EngineeringTabs(QWidget* parent) : QTabWidget(parent) {
    setObjectName("PageControl_Eng");
}

void EngineeringTabs::addSheet(EngineeringSheet which, QWidget* sheet, const QString& title) {
    const auto at = std::upper_bound(order_.begin(), order_.end(), which);
    const int index = static_cast<int>(at - order_.begin());
    order_.insert(at, which);
    insertTab(index, sheet, title);
}

}  // namespace gm::ui
