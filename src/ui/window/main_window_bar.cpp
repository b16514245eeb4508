// The bottom bar of the main window: the three factory images, Save and Load Profile, and the
// status line (link state, chip type, the last write's result).

#include <QFileDialog>
#include <QMessageBox>

#include "device/session/factory_reset.h"
#include "device/session/profile_transfer.h"
#include "image/geometry.h"
#include "ui/skin/frame_geometry.h"
#include "ui/window/layout_loader.h"
#include "ui/window/main_window.h"
#include "ui/window/skin_frame.h"
#include "ui/window/window_texts.h"

namespace gm::ui {

namespace {

constexpr const char* kSaveFilter = "SaveFile(*.bin)";
constexpr const char* kLoadFilter = "LoadFile(*.bin)";

}  // namespace

void MainWindow::buildBottomBar() {
    const std::array<const char*, 3> names{"Btn_Reset_1", "Btn_Confirm2_1", "Btn_Confirm3_1"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new SkinButton("BtnS", frame_);
        button->setObjectName(names[i]);
        const int config = i + 1;
        connect(button, &QAbstractButton::clicked, this, [this, button, config] {
            runImageChange(button->text(), [this, config] {
                return device::session::writeFactoryImage(workspace_, config);
            });
        });
        setTextGroup(*button, 'C');
        confirmButtons_[i] = button;
    }
    saveProfile_ = new SkinButton("BtnS", frame_);
    saveProfile_->setObjectName("Btn_SaveProfile_1");
    connect(saveProfile_, &QAbstractButton::clicked, this, &MainWindow::saveProfileClicked);
    loadProfile_ = new SkinButton("BtnS", frame_);
    loadProfile_->setObjectName("Btn_LoadProfile_1");
    setTextGroup(*saveProfile_, 'C');
    setTextGroup(*loadProfile_, 'C');
    connect(loadProfile_, &QAbstractButton::clicked, this, &MainWindow::loadProfileClicked);

    status_ = new QLabel(frame_);
    status_->setObjectName("lbl_Status");
    status_->setTextFormat(Qt::RichText);
    setTextGroup(*status_, 'D');
}

bool MainWindow::mouseReady() {
    device::session::Session& session = workspace_.session();
    return session.requireDevice() && !session.errorPage();
}

std::optional<device::Result> MainWindow::runLiveChange(
    const QString& what, const std::function<device::Result()>& operation) {
    return run(what, operation, Notice::StatusLine);
}

std::optional<device::Result> MainWindow::runImageChange(
    const QString& what, const std::function<device::Result()>& operation) {
    return run(what, operation, Notice::Dialog);
}

std::optional<device::Result> MainWindow::run(const QString& what,
                                              const std::function<device::Result()>& operation,
                                              Notice notice) {
    if (!mouseReady())
        return std::nullopt;
    // Captions end in a colon (":" or the full-width one); the status line says the name only.
    QString name = what.trimmed();
    while (name.endsWith(':') || name.endsWith(QChar(0xFF1A)))
        name.chop(1);
    modelRefreshed_ = false;
    device::Result result;
    {
        // However many writes the operation takes, the pages redraw once, when it ends.
        auto batch = workspace_.changes().batch();
        result = operation();
    }
    sayResult(name, result, notice);
    // A control that changed its look on the click (a toggle) shows the model again even when
    // the operation changed nothing.
    if (!modelRefreshed_)
        emit events_.modelChanged();
    redrawSession();
    return result;
}

void MainWindow::sayLine(const QString& line, bool failed) {
    lastResult_ = line;
    lastResultFailed_ = failed;
    refreshStatusLine();
}

bool MainWindow::confirm(const QString& question) {
    if (confirm_)
        return confirm_(question);
    return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
}

void MainWindow::sayResult(const QString& what, const device::Result& result) {
    sayResult(what, result, Notice::Dialog);
}

void MainWindow::sayResult(const QString& what, const device::Result& result, Notice notice) {
    const int lang = language();
    lastResultFailed_ = !result.ok();
    if (result.failure == device::Failure::Busy) {
        lastResult_ = what + ": " + windowText(WindowText::Busy, lang);
    } else if (result.ok()) {
        lastResult_ = what + ": " + windowText(WindowText::Done, lang);
    } else {
        const device::Message message = device::messageOf(result);
        QString said = presenter_.textOf(message);
        const QString detail = QString::fromStdString(result.detail);
        if (!detail.isEmpty() && !said.contains(detail))
            said += " (" + detail + ")";
        const QString reason = said.section('\n', 0, 0);
        // A live change says first that it did not land, then why.
        lastResult_ =
            notice == Notice::Dialog
                ? what + ": " + reason
                : what + ": " + windowText(WindowText::NotReached, lang) + " (" + reason + ")";
        if (notice == Notice::Dialog)
            presenter_.showText(message.textId, said);
    }
    for (const device::Message& note : result.notes)
        lastResult_ += " · " + presenter_.textOf(note);
    refreshStatusLine();
}

QString MainWindow::chooseFile(FileDialog kind) {
    if (chooseFile_)
        return chooseFile_(kind);
    if (kind == FileDialog::SaveProfile)
        return QFileDialog::getSaveFileName(this, caption("Str009"), {}, kSaveFilter);
    const QString title = kind == FileDialog::LoadProfile ? caption("Str010") : QString();
    return QFileDialog::getOpenFileName(this, title, {}, kLoadFilter);
}

void MainWindow::saveProfileClicked() {
    if (!mouseReady())
        return;
    const QString chosen = chooseFile(FileDialog::SaveProfile);
    if (chosen.isEmpty())
        return;
    std::filesystem::path saved;
    const device::Result result =
        device::session::saveProfile(workspace_, chosen.toStdString(), saved);
    sayResult(caption("Str009"), result);
    if (result.ok())
        lastResult_ += " · " + QString::fromStdString(saved.string());
    redrawSession();
}

void MainWindow::loadProfileClicked() {
    if (!mouseReady())
        return;
    const QString chosen = chooseFile(FileDialog::LoadProfile);
    if (chosen.isEmpty())
        return;
    runImageChange(caption("Str010"), [this, &chosen] {
        return device::session::loadProfile(workspace_, chosen.toStdString());
    });
}

void MainWindow::setDeviceNote(DeviceNote note) {
    deviceNote_ = note;
    refreshStatusLine();
}

QString MainWindow::statusText() const {
    return statusText_;
}

void MainWindow::refreshStatusLine() {
    device::session::Session& session = workspace_.session();
    const int lang = language();
    QString link;
    QString dot = "#2DD4BF";
    if (session.readBusy()) {
        link = windowText(WindowText::Reading, lang);
    } else if (session.hasDevice() && session.imageRead()) {
        link = windowText(WindowText::Connected, lang);
    } else {
        link = windowText(WindowText::NoMouse, lang);
        dot = "#8B93A1";
    }
    QStringList parts{link};
    if (const auto chip = workspace_.model().chip)
        parts << QString::fromStdString(std::string(image::chipText(*chip)));
    switch (deviceNote_) {
        case DeviceNote::RealMouse:
            break;
        case DeviceNote::VirtualMouse:
            parts << windowText(WindowText::VirtualMouse, lang);
            break;
        case DeviceNote::VirtualNoMouse:
            parts << windowText(WindowText::VirtualNoMouse, lang);
            break;
        case DeviceNote::VirtualNoPermission:
            parts << windowText(WindowText::VirtualNoPermission, lang);
            break;
    }
    QString text = QString("<span style='color:%1'>&#9679;</span> %2")
                       .arg(dot, parts.join(QString::fromUtf8(" · ")).toHtmlEscaped());
    if (!lastResult_.isEmpty()) {
        const QString colour = lastResultFailed_ ? "#F87171" : "#E6E8EB";
        // One line, cut to the status line's width; the whole text is in the tool tip.
        const QString shown =
            status_->fontMetrics().elidedText(lastResult_, Qt::ElideRight, status_->width());
        text += QString("<br><span style='color:%1'>%2</span>").arg(colour, shown.toHtmlEscaped());
    }
    status_->setText(text);
    statusText_ = parts.join(QString::fromUtf8(" · ")) + "\n" + lastResult_;
    status_->setToolTip(lastResult_);
}

}  // namespace gm::ui
