#pragma once
// Texts the window shows that the language tables do not hold (the no-device page, the status
// line), in English and Chinese. Language 2 is Chinese; 1 and 3 are English.

#include <QString>

namespace gm::ui {

enum class WindowText {
    Looking,         // title of the no-device page
    LookingHint,     // how to plug the mouse in
    PermissionHint,  // the node exists but may not be opened
    Connected,
    Reading,
    NoMouse,
    VirtualMouse,
    VirtualNoMouse,
    VirtualNoPermission,
    LastWrite,  // "%1" = what was written
    Done,
    Busy,
    Engineer,  // caption of the engineering page button, the same in every language
    Progress,  // the loading form: report %1 of %2
};

QString windowText(WindowText which, int language);

}  // namespace gm::ui
