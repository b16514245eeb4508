#pragma once
// How the core reports to whoever drives it: the GUI implements this with Qt, the command-line
// tool prints, tests record. Every method has a do-nothing default so a driver implements only
// what it shows. Calls may come from the status listener thread; implementations that touch a
// toolkit must hand them over to their own thread.

#include <string>

namespace gm::device {

// A user-facing message: a language-table identifier ("Str022") when the text comes from the
// language tables, and the English text, used where no table is loaded (command line, tests)
// and for the few fixed texts that have no identifier.
struct Message {
    std::string textId;
    std::string text;
};

namespace messages {
inline const Message kDeviceNotFound{"Str022", "Finding the specified device"};
inline const Message kWaitingForReconnect{"Str100", "Waiting for the device reconnect"};
inline const Message kWrongFileType{"Str102", "RDXM421xData.bin file type error"};
inline const Message kLoadingBinError{"", "Loading .bin is error!"};
}  // namespace messages

// Views the core asks to redraw after it changed the workspace.
enum class View {
    Everything,            // whole-form refresh from the working copies (RefreshUI)
    CurrentCpiStatus,      // the current CPI level as the mouse reports it
    CurrentProfileStatus,  // the current profile as the mouse reports it
    ErrorPage,             // the no-device page (RefreshErrorAP)
    MacroLists,            // device macro list and PC macro names
};

// The four status buttons of the mouse, as the 0x42 input report names them.
enum class StatusButton { Cpi, CpiUp, CpiDown, Profile };

class Presenter {
public:
    virtual ~Presenter() = default;

    // Progress window: shown (again) once per transferred chunk; hidden by the operation's caller.
    virtual void showProgress(int /*chunk*/, int /*chunks*/) {}
    virtual void hideProgress() {}
    // Lets the driver handle pending events during a long wait or transfer.
    virtual void pumpEvents() {}
    virtual void showMessage(const Message& /*message*/) {}
    virtual void refresh(View /*view*/) {}
    // The disabled overlays that cover the interface while no image has been read.
    virtual void setOverlays(bool /*shown*/) {}
    // The test indicators ticked while a status button of the mouse is held.
    virtual void setStatusIndicator(StatusButton /*button*/, bool /*on*/) {}
};

// A presenter that shows nothing.
class NullPresenter final : public Presenter {};

}  // namespace gm::device
