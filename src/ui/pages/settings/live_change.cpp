#include "ui/pages/settings/live_change.h"

#include "ui/window/operation_host.h"
#include "ui/window/window_texts.h"

namespace gm::ui {

void runLiveChange(OperationHost& host, const QString& what,
                   const std::function<device::Result()>& operation) {
    const std::optional<device::Result> result =
        host.runOnMouse(what, operation, Notice::StatusLine);
    // Busy sent nothing and says so already; any other failure is a change that did not land.
    if (result && !result->ok() && result->failure != device::Failure::Busy)
        host.sayLine(what + ": " + windowText(WindowText::NotReached, host.language()), true);
}

}  // namespace gm::ui
