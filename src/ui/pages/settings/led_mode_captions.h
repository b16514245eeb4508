#pragma once
// The names of the LED modes on the Light page, in the current language: the language table's
// texts where it has them (RGB LED Str859.., MCU LED Str815..), else the built-in English or
// Chinese names (the Sync and ZK LED modes, and RGB texts a table lacks); and the names of
// the LED types, which the language tables lack.

#include <QString>

#include "settings/display.h"

namespace gm::ui {

class OperationHost;

QString ledModeCaption(const OperationHost& host, settings::LedType type, int mode);
// "RGB LED", "Sync LED", "ZK LED" or "MCU LED" in the current language.
QString ledTypeCaption(const OperationHost& host, settings::LedType type);

}  // namespace gm::ui
