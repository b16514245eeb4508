#pragma once
// How the core reports to whoever drives it while an operation runs: the progress window, the
// event pump of long waits and transfers, and messages. The GUI implements this with Qt, the
// command-line tool prints, tests record. Every method has a do-nothing default so a driver
// implements only what it shows. Everything else a driver shows follows from the workspace's
// change notifications. Called on the driver's thread only.

#include "device/messages.h"

namespace gm::device {

class Presenter {
public:
    virtual ~Presenter() = default;

    // Progress window: shown (again) once per transferred chunk; hidden by the operation's caller.
    virtual void showProgress(int /*chunk*/, int /*chunks*/) {}
    virtual void hideProgress() {}
    // Lets the driver handle pending events during a long wait or transfer.
    virtual void pumpEvents() {}
    virtual void showMessage(const Message& /*message*/) {}
};

// A presenter that shows nothing.
class NullPresenter final : public Presenter {};

}  // namespace gm::device
