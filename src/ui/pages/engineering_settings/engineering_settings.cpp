#include "ui/pages/engineering_settings/engineering_settings.h"

#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"
#include "ui/pages/engineering_settings/cpi_sheet.h"
#include "ui/pages/engineering_settings/image_sheet.h"
#include "ui/pages/engineering_settings/led_sheet.h"
#include "ui/pages/engineering_settings/options_sheet.h"
#include "ui/pages/engineering_settings/sheet_texts.h"
#include "ui/pages/engineering_settings/usb_sensor_sheet.h"

namespace gm::ui {

namespace {}  // namespace

void buildEngineeringSettings(OperationHost& host, EngineeringTabs& tabs) {
    auto* cpi = new CpiSheet(host, &tabs);
    auto* options = new OptionsSheet(host, &tabs);
    auto* led = new LedSheet(host, &tabs);
    auto* usb = new UsbSensorSheet(host, &tabs);
    auto* image = new ImageSheet(host, &tabs);
    tabs.addSheet(EngineeringSheet::Cpi, cpi,
                  host.term(Term::Cpi) + " / " + host.term(Term::Profile));
    tabs.addSheet(EngineeringSheet::Options, options,
                  windowText(WindowText::OptionsTab, host.termLanguage()));
    tabs.addSheet(EngineeringSheet::Led, led, host.term(Term::LedSetting));
    tabs.addSheet(EngineeringSheet::Usb, usb,
                  windowText(WindowText::UsbSensorTab, host.termLanguage()));
    tabs.addSheet(EngineeringSheet::Image, image,
                  windowText(WindowText::ImageTab, host.termLanguage()));

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
