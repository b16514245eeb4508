#pragma once
// The names of the LED modes on the Light page, in the current language: the language table's
// texts where it has them (RGB LED Str859.., MCU LED Str815..), else the built-in English or
// Chinese names (the Sync and ZK LED modes, and RGB texts a table lacks).

#include <QString>

#include "settings/display.h"

namespace gm::ui {

class OperationHost;

QString ledModeCaption(const OperationHost& host, settings::LedType type, int mode);

}  // namespace gm::ui
