#pragma once
// Captions of the engineering settings sheets that the engineering term table lacks, in English
// and Chinese. Like the terms, they follow the user's locale, not the language buttons.

#include <QString>
#include <string_view>

#include "ui/text/engineering_terms.h"

namespace gm::ui {

enum class SheetText {
    OptionsTab,
    UsbSensorTab,
    DeviceOptions,
    CpiOptions,
    ReportRate,
    SensorRegisters,
    ModesOffered,
    McuLed,
    Red,
    Green,
    Blue,
    Offset,
    OnMouse,
};

// The locale's column, chosen once like the engineering terms.
text::TermColumn sheetColumn();
QString sheetText(SheetText which);

// The caption of a device option field by its name ("chip-type"): the engineering term where the
// table has one, else this file's own text. Empty for an unknown name.
QString optionCaption(std::string_view field);
// The object name of the option's combo box ("cb_ICType"); empty for an unknown name.
QString optionControlName(std::string_view field);

}  // namespace gm::ui
