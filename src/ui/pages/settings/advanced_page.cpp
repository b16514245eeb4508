#include "ui/pages/settings/advanced_page.h"

#include "ui/host/operation_host.h"
#include "ui/host/page_events.h"
#include "ui/pages/settings/cpi_card.h"
#include "ui/pages/settings/pointer_card.h"
#include "ui/pages/settings/report_rate_card.h"
#include "ui/skin/page_geometry.h"

namespace gm::ui {

AdvancedPage::AdvancedPage(OperationHost& host, QWidget* groupBox)
    : QWidget(groupBox),
      host_(host),
      cpi_(new CpiCard(host, this)),
      reportRate_(new ReportRateCard(host, this)),
      pointer_(new PointerCard(host, this)) {
    setObjectName("Pnl_Advanced");
    setGeometry(0, 0, skin::kUserContent.width, skin::kUserContent.height);
    connect(&host.events(), &PageEvents::modelChanged, this, &AdvancedPage::refresh);
    connect(&host.events(), &PageEvents::retranslated, this, &AdvancedPage::retranslate);
    retranslate();
    refresh();
}

void AdvancedPage::refresh() {
    cpi_->refresh();
    reportRate_->refresh();
    pointer_->refresh();
}

void AdvancedPage::retranslate() {
    cpi_->retranslate();
    reportRate_->retranslate();
    pointer_->retranslate();
    // Captions that name values (CPI texts) follow the language too.
    refresh();
}

}  // namespace gm::ui
