#include "ui/pages/settings/light_page.h"

#include "ui/host/operation_host.h"
#include "ui/host/page_events.h"
#include "ui/pages/settings/led_mode_card.h"
#include "ui/pages/settings/led_speed_card.h"
#include "ui/pages/settings/mcu_led_card.h"
#include "ui/pages/settings/user_colour_card.h"
#include "ui/skin/page_geometry.h"

namespace gm::ui {

LightPage::LightPage(OperationHost& host, QWidget* groupBox)
    : QWidget(groupBox),
      modes_(new LedModeCard(host, this)),
      speed_(new LedSpeedCard(host, this)),
      colours_(new UserColourCard(host, this)),
      mcuLed_(new McuLedCard(host, this)) {
    setObjectName("Pnl_Light");
    setGeometry(0, 0, skin::kUserContent.width, skin::kUserContent.height);
    connect(&host.events(), &PageEvents::modelChanged, this, &LightPage::refresh);
    connect(&host.events(), &PageEvents::retranslated, this, &LightPage::retranslate);
    retranslate();
    refresh();
}

void LightPage::refresh() {
    modes_->refresh();
    speed_->refresh();
    colours_->refresh();
    mcuLed_->refresh();
}

void LightPage::retranslate() {
    modes_->retranslate();
    speed_->retranslate();
    colours_->retranslate();
    mcuLed_->retranslate();
    refresh();
}

}  // namespace gm::ui
