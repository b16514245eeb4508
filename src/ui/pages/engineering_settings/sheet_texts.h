#pragma once
// The captions and control names of the device option fields on the engineering Options sheet,
// in English and Chinese where the term table has none. Like the terms, they follow the user's
// locale (the host's term language), not the language buttons.

#include <QString>
#include <string_view>

namespace gm::ui {

class OperationHost;

// The caption of a device option field by its name ("chip-type"): the engineering term where the
// table has one, else this file's own text. Empty for an unknown name.
QString optionCaption(const OperationHost& host, std::string_view field);
// The object name of the option's combo box ("cb_ICType"); empty for an unknown name.
QString optionControlName(std::string_view field);

}  // namespace gm::ui
