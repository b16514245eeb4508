#include "ui/pages/engineering_settings/engineering_settings.h"

#include "ui/host/page_events.h"
#include "ui/pages/engineering_settings/cpi_sheet.h"
#include "ui/pages/engineering_settings/image_sheet.h"
#include "ui/pages/engineering_settings/led_sheet.h"
#include "ui/pages/engineering_settings/options_sheet.h"
#include "ui/pages/engineering_settings/sheet_texts.h"
#include "ui/pages/engineering_settings/usb_sensor_sheet.h"

namespace gm::ui {

namespace {

constexpr int kCpiTerm = 45;
constexpr int kProfileTerm = 147;
constexpr int kLedSettingTerm = 14;

}  // namespace

void buildEngineeringSettings(OperationHost& host, EngineeringTabs& tabs) {
    auto* cpi = new CpiSheet(host, &tabs);
    auto* options = new OptionsSheet(host, &tabs);
    auto* led = new LedSheet(host, &tabs);
    auto* usb = new UsbSensorSheet(host, &tabs);
    auto* image = new ImageSheet(host, &tabs);
    tabs.addSheet(EngineeringSheet::Cpi, cpi,
                  host.term(kCpiTerm) + " / " + host.term(kProfileTerm));
    tabs.addSheet(EngineeringSheet::Options, options, sheetText(host, SheetText::OptionsTab));
    tabs.addSheet(EngineeringSheet::Led, led, host.term(kLedSettingTerm));
    tabs.addSheet(EngineeringSheet::Usb, usb, sheetText(host, SheetText::UsbSensorTab));
    tabs.addSheet(EngineeringSheet::Image, image, sheetText(host, SheetText::ImageTab));

    const auto refresh = [cpi, options, led, usb, image] {
        cpi->refresh();
        options->refresh();
        led->refresh();
        usb->refresh();
        image->refresh();
    };
    PageEvents& events = host.events();
    QObject::connect(&events, &PageEvents::modelChanged, cpi, refresh);
    QObject::connect(&events, &PageEvents::pageShown, cpi, [refresh](Page page) {
        if (page == Page::Engineering)
            refresh();
    });
    refresh();
}

}  // namespace gm::ui
