#include "ui/pages/engineering/engineering_page.h"

#include <QVBoxLayout>

#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"
#include "ui/pages/engineering/engineering_operations.h"
#include "ui/pages/engineering/status_test_boxes.h"
#include "ui/pages/engineering_settings/engineering_settings.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

QWidget* emptySheet(QWidget* parent, const char* name) {
    auto* sheet = new QWidget(parent);
    sheet->setObjectName(name);
    sheet->hide();
    return sheet;
}

}  // namespace

std::function<void()> buildEngineeringPage(OperationHost& host, QWidget& box,
                                           std::vector<SheetBuilder> featureSheets) {
    auto* tabs = new EngineeringTabs(&box);
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(16, skin::kPageTitleHeight, 16, 16);
    layout->addWidget(tabs);

    // The status test boxes show the mouse's presses from the start; the sheet joins the tabs
    // on the first showing (laying out the tab bar is costly at start-up).
    QWidget* engineer = emptySheet(tabs, "ts_Engineer");
    engineer->setStyleSheet(skin::styleSheet(skin::Look::EngineerSheet));
    auto* engineerLayout = new QVBoxLayout(engineer);
    engineerLayout->setContentsMargins(16, 16, 16, 16);
    auto* statusTests = new StatusTestBoxes(host, engineer);
    statusTests->setStyleSheet(skin::styleSheet(skin::Look::StatusTests));
    engineerLayout->addWidget(statusTests);
    engineerLayout->addStretch(1);
    QObject::connect(&host.events(), &PageEvents::statusButton, statusTests,
                     &StatusTestBoxes::showPressed);

    return [&host, tabs, engineer, engineerLayout, featureSheets = std::move(featureSheets)] {
        tabs->addSheet(EngineeringSheet::Engineer, engineer,
                       windowText(WindowText::Engineer, host.termLanguage()));
        engineerLayout->insertWidget(0, new EngineeringOperations(host, engineer));
        buildEngineeringSettings(host, *tabs);
        for (const SheetBuilder& build : featureSheets)
            build(*tabs);
    };
}

}  // namespace gm::ui
