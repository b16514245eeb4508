#include "ui/pages/engineering_settings/options_sheet.h"

#include <QVBoxLayout>
#include <array>

#include "ui/host/window_texts.h"
#include "ui/pages/engineering_settings/sheet_texts.h"

namespace gm::ui {

namespace {

// In the order of the option map; the CPI options live on the CPI sheet.
constexpr std::array<std::string_view, 18> kFields{
    "chip-type",      "sensor-enhance",    "package",          "key-matrix", "sensor-rotation",
    "fire-key-rate",  "fire-key-count",    "led-ctrl0",        "led-ctrl1",  "led-mode-fuse",
    "combo-key-time", "usb-cdr",           "sensor-sleep",     "led-power",  "eft-rely-nak",
    "eft-relug",      "keep-profile-info", "profile-led-flash"};
constexpr int kRowsPerColumn = 6;

}  // namespace

OptionsSheet::OptionsSheet(OperationHost& host, QWidget* parent)
    : QWidget(parent), host_(host), options_(host) {
    setObjectName("ts_Options");
    styleSheetPage(*this);
    QGroupBox* group = makeGroup(this, "gbDeviceOptions",
                                 windowText(WindowText::DeviceOptions, host_.termLanguage()));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const int row = static_cast<int>(i) % kRowsPerColumn;
        const int pair = static_cast<int>(i) / kRowsPerColumn;
        // Each label and combo pair, then a gap column before the next pair.
        options_.add(*grid, row, pair * 3, kFields[i]);
    }
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnMinimumWidth(5, 24);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 10, 12, 10);
    column->addWidget(group, 0, Qt::AlignLeft | Qt::AlignTop);
    column->addStretch(1);
}

void OptionsSheet::refresh() {
    options_.refresh(host_.workspace().model());
}

}  // namespace gm::ui
