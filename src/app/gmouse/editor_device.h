#pragma once
// Which mouse the editor talks to. With --simulate the virtual mouse; otherwise the attached
// mouse when it is there and may be opened, else the virtual mouse, with a note that says why.

#include <memory>
#include <string>

#include "host/device_choice/device_choice.h"
#include "ui/window/main_window.h"

namespace gm::app {

struct EditorDevice {
    std::unique_ptr<host::DeviceChoice> choice;  // null when it could not be built
    ui::MainWindow::DeviceNote note = ui::MainWindow::DeviceNote::RealMouse;
    std::string error;  // why `choice` is null
};

EditorDevice chooseEditorDevice(const host::DeviceChoiceOptions& options);

}  // namespace gm::app
