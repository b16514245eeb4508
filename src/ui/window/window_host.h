#pragma once
// What the window offers its pages (OperationHost): the workspace, the one guarded run of an
// operation with its result said in the status line (and in a message dialog when a file or the
// whole image was concerned), the dialogs, the texts, the program settings and the page events.
// Tests replace the dialogs with answers.

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "ui/host/operation_host.h"
#include "ui/host/page_events.h"
#include "ui/text/engineering_terms.h"
#include "ui/text/text_table.h"
#include "ui/window/qt_presenter.h"
#include "ui/window/status_line.h"

namespace gm::ui {

class WindowHost final : public OperationHost {
public:
    // `window` parents the dialogs; `redraw` redraws the window after each operation.
    WindowHost(device::Workspace& workspace, QtPresenter& presenter, text::TextTable& texts,
               const image::settings::ProgramSettings& settings, QWidget& window,
               std::function<void()> redraw);

    // The bottom bar's status line, which the results are said in.
    void setStatusLine(StatusLine& line) { status_ = &line; }
    StatusLine& statusLine() { return *status_; }

    using FileChooser = std::function<QString(FileDialog)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    const QString& lastFolder() const { return lastFolder_; }
    using Confirmation = std::function<bool(const QString& question)>;
    void setConfirmation(Confirmation confirmation) { confirm_ = std::move(confirmation); }
    using ColourChooser = std::function<std::optional<QColor>(const QColor& initial)>;
    void setColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }

    device::Workspace& workspace() override { return workspace_; }
    bool mouseReady() override;
    std::optional<device::Result> runLiveChange(
        const QString& what, const std::function<device::Result()>& operation) override;
    std::optional<device::Result> runImageChange(
        const QString& what, const std::function<device::Result()>& operation) override;
    void sayResult(const QString& what, const device::Result& result) override;
    void sayLine(const QString& line, bool failed) override;
    void sayRefusal(const QString& what, const device::Message& message, bool dialog) override;
    QString chooseFile(FileDialog kind) override;
    bool confirm(const QString& question) override;
    int language() const override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
    QString caption(std::string_view id) const override;
    QString term(Term term) const override;
    int termLanguage() const override;
    const image::settings::ProgramSettings& programSettings() const override { return settings_; }
    PageEvents& events() override { return events_; }
    buttons::ButtonState& buttonState() override { return buttonState_; }
    host::MacroLibraryFile* macroLibrary() override { return macroLibrary_.get(); }
    // The macro file from now on, read at once (made when missing); the result carries a note
    // about a file of the wrong size.
    device::Result useMacroFile(const std::filesystem::path& path);
    host::desktop_mouse::DesktopMouseSettings& desktopMouse() override { return *desktopMouse_; }
    // The desktop the Pointer card applies to; until one is given, none and a store for this run
    // only, so a window nobody gave the user's desktop never changes it.
    void setDesktopMouse(host::desktop_mouse::DesktopMouseSettings& settings) {
        desktopMouse_ = &settings;
    }
    host::QtInputCapture& inputCapture() override { return capture_; }

private:
    // How a failed result is said: a message dialog too, or only the status line.
    enum class Notice { Dialog, StatusLine };
    std::optional<device::Result> run(const QString& what,
                                      const std::function<device::Result()>& operation,
                                      Notice notice);
    void say(const QString& what, const device::Result& result, Notice notice);

    device::Workspace& workspace_;
    QtPresenter& presenter_;
    text::TextTable& texts_;
    const image::settings::ProgramSettings& settings_;
    QWidget& window_;
    std::function<void()> redraw_;
    // Read once at start: the engineering page follows the user's locale, not the language.
    text::TermColumn termColumn_;
    // Where the file dialog opens: the folder of the last file chosen, at first the home folder.
    QString lastFolder_;
    PageEvents events_;
    buttons::ButtonState buttonState_;
    std::unique_ptr<host::MacroLibraryFile> macroLibrary_;
    host::desktop_mouse::DesktopMouseSettings ownDesktopMouse_;
    host::desktop_mouse::DesktopMouseSettings* desktopMouse_ = &ownDesktopMouse_;
    host::QtInputCapture capture_;
    StatusLine* status_ = nullptr;
    // The pages redrew during the operation that runs (a change notification arrived).
    bool modelRefreshed_ = false;
    FileChooser chooseFile_;
    Confirmation confirm_;
    ColourChooser chooseColour_;
};

}  // namespace gm::ui
