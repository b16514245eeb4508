#include "ui/window/qt_presenter.h"

#include <QCoreApplication>

#include "ui/host/window_texts.h"
#include "ui/text/text_ids.h"
#include "ui/window/core_texts.h"
#include "ui/window/message_dialog.h"

namespace gm::ui {

QtPresenter::QtPresenter(text::TextTable& texts) : texts_(texts) {}

void QtPresenter::setWindow(QWidget* window) {
    window_ = window;
    form_ = new LoadingForm(window);
}

std::string QtPresenter::patternOf(std::string_view textId) const {
    std::string pattern = texts_.text(textId);
    if (pattern.empty() && texts_.language() == text::Language::Chinese)
        pattern = std::string(chineseCoreText(textId));
    if (pattern.empty())
        pattern = std::string(device::englishText(textId));
    return pattern;
}

QString QtPresenter::textOf(const device::Message& message) const {
    const std::string pattern = patternOf(message.textId);
    // Unknown to every table: the core's text as it stands, follow-ups included.
    if (pattern.empty())
        return QString::fromStdString(message.text);
    std::vector<std::string> args = message.args;
    for (std::string& argument : args) {
        if (device::isTextIdentifier(argument))
            argument = patternOf(argument);
    }
    QString said = QString::fromStdString(device::fillArguments(pattern, args));
    for (const device::Message& next : message.then)
        said += ' ' + textOf(next);
    return said;
}

void QtPresenter::showProgress(int chunk, int chunks) {
    if (form_) {
        const int language = static_cast<int>(texts_.language());
        form_->setProgress(chunk, chunks,
                           windowText(WindowText::Progress, language)
                               .arg(std::min(chunk + 1, chunks))
                               .arg(chunks));
    }
    emit progressShown(chunk, chunks);
    pumpEvents();
}

void QtPresenter::hideProgress() {
    if (form_)
        form_->hide();
}

void QtPresenter::pumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtPresenter::showMessage(const device::Message& message) {
    showText(message.textId, textOf(message));
}

void QtPresenter::showText(const std::string& textId, const QString& text) {
    const QString id = QString::fromStdString(textId);
    emit messageShown(id, text);
    if (sink_) {
        sink_(id, text);
        return;
    }
    if (text.trimmed().isEmpty())
        return;
    const QString ok = QString::fromStdString(texts_.text(text::ids::kConfirm));
    const QString okCaption = ok.isEmpty() ? QStringLiteral("OK") : ok;
    if (textId == device::text::kWaitingForReconnect) {
        dismissReconnectMessage();
        auto* dialog = new MessageDialog(text, okCaption, window_);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        reconnect_ = dialog;
        return;
    }
    // Modal to the window but not blocking: the caller (a poll's wait, a page click) goes on,
    // so an open message never holds up the connection to the mouse.
    auto* dialog = new MessageDialog(text, okCaption, window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void QtPresenter::dismissReconnectMessage() {
    if (reconnect_)
        reconnect_->close();
}

}  // namespace gm::ui
