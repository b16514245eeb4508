#include "ui/window/qt_presenter.h"

#include <QCoreApplication>

#include "ui/window/message_dialog.h"
#include "ui/window/window_texts.h"

namespace gm::ui {

QtPresenter::QtPresenter(text::TextTable& texts) : texts_(texts) {}

void QtPresenter::setWindow(QWidget* window) {
    window_ = window;
    form_ = new LoadingForm(window);
}

QString QtPresenter::textOf(const device::Message& message) const {
    std::string pattern = texts_.text(message.textId);
    if (pattern.empty())
        return QString::fromStdString(message.text);
    return QString::fromStdString(device::fillArguments(pattern, message.args));
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
    const QString id = QString::fromStdString(message.textId);
    const QString text = textOf(message);
    emit messageShown(id, text);
    if (sink_) {
        sink_(id, text);
        return;
    }
    if (text.trimmed().isEmpty())
        return;
    const QString ok = QString::fromStdString(texts_.text("Str501"));
    const QString okCaption = ok.isEmpty() ? QStringLiteral("OK") : ok;
    if (message.textId == device::text::kWaitingForReconnect) {
        dismissReconnectMessage();
        auto* dialog = new MessageDialog(text, okCaption, window_);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        reconnect_ = dialog;
        return;
    }
    MessageDialog dialog(text, okCaption, window_);
    dialog.exec();
}

void QtPresenter::dismissReconnectMessage() {
    if (reconnect_)
        reconnect_->close();
}

}  // namespace gm::ui
