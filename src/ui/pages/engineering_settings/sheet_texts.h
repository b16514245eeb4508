#pragma once
// Captions of the engineering settings sheets that the engineering term table lacks, in English
// and Chinese. Like the terms, they follow the user's locale (the host's term language), not the
// language buttons.

#include <QString>
#include <string_view>

namespace gm::ui {

class OperationHost;

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
    ImageTab,
    PatchChecksum,
    ComputedChecksum,
};

QString sheetText(const OperationHost& host, SheetText which);

// The caption of a device option field by its name ("chip-type"): the engineering term where the
// table has one, else this file's own text. Empty for an unknown name.
QString optionCaption(const OperationHost& host, std::string_view field);
// The object name of the option's combo box ("cb_ICType"); empty for an unknown name.
QString optionControlName(std::string_view field);

}  // namespace gm::ui
