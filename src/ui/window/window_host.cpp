#include "ui/window/window_host.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>

#include "host/desktop_mouse/no_desktop.h"
#include "ui/host/window_texts.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"
#include "ui/window/message_dialog.h"

namespace gm::ui {

namespace {

constexpr const char* kSaveFilter = "SaveFile(*.bin)";
constexpr const char* kLoadFilter = "LoadFile(*.bin)";

// The status line says a control's name without the colon its caption ends in (":" or the
// full-width one).
QString withoutColon(const QString& caption) {
    QString name = caption.trimmed();
    while (name.endsWith(':') || name.endsWith(QChar(0xFF1A)))
        name.chop(1);
    return name;
}

}  // namespace

WindowHost::WindowHost(device::Workspace& workspace, QtPresenter& presenter, text::TextTable& texts,
                       const image::settings::ProgramSettings& settings, QWidget& window,
                       std::function<void()> redraw)
    : workspace_(workspace),
      presenter_(presenter),
      texts_(texts),
      settings_(settings),
      window_(window),
      redraw_(std::move(redraw)),
      termColumn_(text::termColumnFor(QLocale::system().name().toStdString())),
      lastFolder_(QDir::homePath()),
      ownDesktopMouse_([] { return std::make_unique<host::desktop_mouse::NoDesktop>(); },
                       std::make_unique<host::desktop_mouse::MemoryPointerStore>()),
      capture_(window, workspace.clock()) {
    QObject::connect(&events_, &PageEvents::modelChanged, &events_,
                     [this] { modelRefreshed_ = true; });
}

bool WindowHost::mouseReady() {
    device::session::Session& session = workspace_.session();
    return session.requireDevice() && !session.errorPage();
}

std::optional<device::Result> WindowHost::runLiveChange(
    const QString& what, const std::function<device::Result()>& operation) {
    return run(what, operation, Notice::StatusLine);
}

std::optional<device::Result> WindowHost::runImageChange(
    const QString& what, const std::function<device::Result()>& operation) {
    return run(what, operation, Notice::Dialog);
}

std::optional<device::Result> WindowHost::run(const QString& what,
                                              const std::function<device::Result()>& operation,
                                              Notice notice) {
    if (!mouseReady())
        return std::nullopt;
    // The last result, and a stale error above all, does not stand while the next one runs.
    status_->say({}, false);
    modelRefreshed_ = false;
    device::Result result;
    {
        // However many writes the operation takes, the pages redraw once, when it ends.
        auto batch = workspace_.changes().batch();
        result = operation();
    }
    say(withoutColon(what), result, notice);
    // A control that changed its look on the click (a toggle) shows the model again even when
    // the operation changed nothing.
    if (!modelRefreshed_)
        emit events_.modelChanged();
    redraw_();
    return result;
}

void WindowHost::sayLine(const QString& line, bool failed) {
    status_->say(line, failed);
}

void WindowHost::sayRefusal(const QString& what, const device::Message& message, bool dialog) {
    const QString said = presenter_.textOf(message);
    if (dialog)
        presenter_.showText(message.textId, said);
    status_->say(what + ": " + said, true);
}

device::Result WindowHost::useMacroFile(const std::filesystem::path& path) {
    macroLibrary_ = std::make_unique<host::MacroLibraryFile>(path, workspace_.files());
    return macroLibrary_->load(workspace_);
}

void WindowHost::sayResult(const QString& what, const device::Result& result) {
    say(what, result, Notice::Dialog);
}

void WindowHost::say(const QString& what, const device::Result& result, Notice notice) {
    const int lang = language();
    QString line;
    if (result.failure == device::Failure::Busy) {
        line = what + ": " + windowText(WindowText::Busy, lang);
    } else if (result.ok()) {
        line = what + ": " + windowText(WindowText::Done, lang);
        // A whole-image write kept what it replaced: say so, and where to get it back.
        if (result.backup)
            line += QString::fromUtf8(" · ") + windowText(WindowText::BackupKept, lang);
    } else {
        const device::Message message = device::messageOf(result);
        QString said = presenter_.textOf(message);
        const QString detail = QString::fromStdString(result.detail);
        if (!detail.isEmpty() && !said.contains(detail))
            said += " (" + detail + ")";
        const QString reason = said.section('\n', 0, 0);
        // A live change says first that it did not land (or only in part), then why.
        const bool inPart = result.failure == device::Failure::DeviceLeft ||
                            result.failure == device::Failure::TransferIncomplete;
        const QString landed =
            windowText(inPart ? WindowText::NotFullyReached : WindowText::NotReached, lang);
        line = notice == Notice::Dialog ? what + ": " + reason
                                        : what + ": " + landed + " (" + reason + ")";
        // A file for the other chip was the question just asked: the answer needs no box.
        if (notice == Notice::Dialog && result.failure != device::Failure::OtherChip)
            presenter_.showText(message.textId, said);
    }
    for (const device::Message& note : result.notes)
        line += QString::fromUtf8(" · ") + presenter_.textOf(note);
    status_->say(line, !result.ok());
}

QString WindowHost::chooseFile(FileDialog kind) {
    if (chooseFile_)
        return chooseFile_(kind);
    // Qt's own dialog, not the desktop's: it takes the window's dark look, and it opens where the
    // last profile was saved or loaded.
    QFileDialog dialog(&window_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setStyleSheet(skin::styleSheet(skin::Look::StandardDialog));
    dialog.setDirectory(lastFolder_);
    if (kind == FileDialog::SaveProfile || kind == FileDialog::ExportMacros) {
        if (kind == FileDialog::SaveProfile)
            dialog.setWindowTitle(caption(text::ids::kSaveProfile));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(kSaveFilter);
        dialog.setDefaultSuffix("bin");
    } else {
        if (kind == FileDialog::LoadProfile)
            dialog.setWindowTitle(caption(text::ids::kLoadProfile));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(kLoadFilter);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

bool WindowHost::confirm(const QString& question) {
    if (confirm_)
        return confirm_(question);
    const QString yes = caption(text::ids::kConfirm);
    MessageDialog dialog(question, yes.isEmpty() ? QStringLiteral("OK") : yes,
                         windowText(WindowText::Cancel, language()), &window_);
    return dialog.exec() == QDialog::Accepted;
}

int WindowHost::language() const {
    return static_cast<int>(texts_.language());
}

std::optional<QColor> WindowHost::chooseColour(const QColor& initial) {
    if (chooseColour_)
        return chooseColour_(initial);
    QColorDialog dialog(initial, &window_);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setStyleSheet(skin::styleSheet(skin::Look::StandardDialog));
    dialog.setWindowTitle(caption(text::ids::kChooseColour));
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return dialog.selectedColor();
}

QString WindowHost::caption(std::string_view id) const {
    if (id.empty())
        return windowText(WindowText::Engineer, language());
    return QString::fromStdString(texts_.text(id));
}

QString WindowHost::term(Term term) const {
    return QString::fromStdString(
        std::string(text::engineeringTerm(static_cast<int>(term), termColumn_)));
}

int WindowHost::termLanguage() const {
    return termColumn_ == text::TermColumn::Chinese ? 2 : 1;
}

}  // namespace gm::ui
