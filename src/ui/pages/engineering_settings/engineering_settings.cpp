#include "ui/pages/engineering_settings/engineering_settings.h"

#include "ui/pages/engineering_settings/cpi_sheet.h"
#include "ui/pages/engineering_settings/image_sheet.h"
#include "ui/pages/engineering_settings/led_sheet.h"
#include "ui/pages/engineering_settings/options_sheet.h"
#include "ui/pages/engineering_settings/sheet_texts.h"
#include "ui/pages/engineering_settings/usb_sensor_sheet.h"
#include "ui/window/page_events.h"

namespace gm::ui {

namespace {

constexpr int kCpiTerm = 45;
constexpr int kProfileTerm = 147;
constexpr int kLedSettingTerm = 14;

}  // namespace

void buildEngineeringSettings(OperationHost& host, QTabWidget& tabs) {
    auto* cpi = new CpiSheet(host, &tabs);
    auto* options = new OptionsSheet(host, &tabs);
    auto* led = new LedSheet(host, &tabs);
    auto* usb = new UsbSensorSheet(host, &tabs);
    auto* image = new ImageSheet(host, &tabs);
    // After the operations sheet, before the gun presets.
    int at = 1;
    tabs.insertTab(at++, cpi, host.term(kCpiTerm) + " / " + host.term(kProfileTerm));
    tabs.insertTab(at++, options, sheetText(host, SheetText::OptionsTab));
    tabs.insertTab(at++, led, host.term(kLedSettingTerm));
    tabs.insertTab(at++, usb, sheetText(host, SheetText::UsbSensorTab));
    tabs.insertTab(at, image, sheetText(host, SheetText::ImageTab));

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
