#pragma once
// What a page's operation buttons need from the window: the workspace, the guarded run of one
// operation with its result said in the status line, the file dialogs, a yes/no question and the
// current language. The main window is the host; the pages stay small and free of its layout.

#include <QString>
#include <functional>
#include <optional>

#include "device/result.h"
#include "device/session/workspace.h"

namespace gm::ui {

// The open dialogs a page asks for; each uses the filter "LoadFile(*.bin)".
enum class FileDialog { SaveProfile, LoadProfile, UpdateFile, BaseMacros, FireMacros, PatchCode };

class OperationHost {
public:
    virtual ~OperationHost() = default;

    virtual device::Workspace& workspace() = 0;
    // Runs `operation` when a mouse is open and the error page is not shown, says its result
    // under `what` and redraws. Nothing when the guard stopped it (Str022 is said then).
    virtual std::optional<device::Result> runOnMouse(
        const QString& what, const std::function<device::Result()>& operation) = 0;
    // Says a result that needs no guard (a refused file) under `what`.
    virtual void sayResult(const QString& what, const device::Result& result) = 0;
    // Says a line in the status line: `failed` colours it as a refusal.
    virtual void sayLine(const QString& line, bool failed) = 0;
    // The chosen path; empty when cancelled.
    virtual QString chooseFile(FileDialog kind) = 0;
    // Asks before an operation that replaces the whole image.
    virtual bool confirm(const QString& question) = 0;
    virtual int language() const = 0;
};

}  // namespace gm::ui
