#pragma once
// What a page needs from the window: the workspace, the guarded run of one operation with its
// result said, the file and colour dialogs, a yes/no question, the texts of the current language
// and of the engineering page, the program settings and the page events. The main window is the
// host; the pages stay small and free of its layout.

#include <QColor>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>

#include "buttons/button_state.h"
#include "device/result.h"
#include "device/session/workspace.h"
#include "host/capture/qt_input_capture.h"
#include "host/desktop_mouse/desktop_mouse_settings.h"
#include "host/files/macro_library_file.h"
#include "image/settings/program_settings.h"
#include "ui/text/term_ids.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

using text::Term;

// The file dialogs a page asks for: the save dialogs use the filter "SaveFile(*.bin)", the open
// dialogs "LoadFile(*.bin)".
enum class FileDialog {
    SaveProfile,
    LoadProfile,
    UpdateFile,
    BaseMacros,
    FireMacros,
    PatchCode,
    ExportMacros,  // save: one PC macro, all of them, or the mouse's macro area
    ImportMacros,  // open: one PC macro or all of them
};

class PageEvents;

class OperationHost {
public:
    virtual ~OperationHost() = default;

    virtual device::Workspace& workspace() = 0;
    // A mouse is open and the no-device page is not shown; else says "Finding the specified
    // device" (Str022) and is false.
    virtual bool mouseReady() = 0;
    // Runs a control's change of a setting when mouseReady(): its result is said in the status
    // line only (a short notice that does not interrupt the user); a change the mouse did not
    // take says so, and the pages then show what the mouse holds. `what` is the control's
    // caption (a trailing colon is dropped). Nothing when it did not run.
    virtual std::optional<device::Result> runLiveChange(
        const QString& what, const std::function<device::Result()>& operation) = 0;
    // The same for an operation that reads a file or replaces the whole image (loads, resets,
    // restores, imports, patch code): a failure is said in a message dialog too.
    virtual std::optional<device::Result> runImageChange(
        const QString& what, const std::function<device::Result()>& operation) = 0;
    // Says a result that needed no mouse (a refused file) under `what`, as runImageChange does.
    virtual void sayResult(const QString& what, const device::Result& result) = 0;
    // Says a line in the status line: `failed` colours it as a refusal.
    virtual void sayLine(const QString& line, bool failed) = 0;
    // Says why `what` was refused, in the current language: in the status line, and in a message
    // dialog too when `dialog`.
    virtual void sayRefusal(const QString& what, const device::Message& message, bool dialog) = 0;
    // The chosen path; empty when cancelled.
    virtual QString chooseFile(FileDialog kind) = 0;
    // Asks before an operation that replaces the whole image.
    virtual bool confirm(const QString& question) = 0;
    virtual int language() const = 0;

    // The colour the user picked, starting from `initial`; nothing when cancelled.
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
    // The text of `id` ("Str809", text::ids) in the current language; empty when the table lacks
    // it.
    virtual QString caption(std::string_view id) const = 0;
    // An engineering term in the column the user's locale chose.
    virtual QString term(Term term) const = 0;
    // The language of the window's own texts on the engineering page: that of its terms
    // (2 for the Chinese column, else 1).
    virtual int termLanguage() const = 0;
    virtual const image::settings::ProgramSettings& programSettings() const = 0;
    virtual PageEvents& events() = 0;
    // The values of the button and profile-switch controls that operations read (fire-key
    // fields, gesture choice, button effect, switch options, offset): one set for every page.
    virtual buttons::ButtonState& buttonState() = 0;
    // The macro file the PC macro list lives in; null until the window was given one.
    virtual host::MacroLibraryFile* macroLibrary() = 0;
    // The desktop mouse settings of the Pointer card (the running desktop and the user's store;
    // nothing reaches the mouse).
    virtual host::desktop_mouse::DesktopMouseSettings& desktopMouse() = 0;
    // What the macro editors record from: the keyboard and the window's mouse buttons.
    virtual host::QtInputCapture& inputCapture() = 0;
};

}  // namespace gm::ui
