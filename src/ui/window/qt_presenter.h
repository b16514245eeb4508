#pragma once
// The core's presenter on Qt: per-chunk progress in the loading form, the event pump of long
// waits and transfers, and messages by text identifier in the skinned message dialog, in the
// current language (the English text when the table has none).

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <functional>

#include "device/presenter.h"
#include "ui/text/text_table.h"
#include "ui/window/loading_form.h"

namespace gm::ui {

class QtPresenter final : public QObject, public device::Presenter {
    Q_OBJECT
public:
    explicit QtPresenter(text::TextTable& texts);

    // The window the loading form and the dialogs belong to.
    void setWindow(QWidget* window);

    // Replaces the modal dialog: the sink gets every message instead (tests, screenshots).
    using MessageSink = std::function<void(const QString& textId, const QString& text)>;
    void setMessageSink(MessageSink sink) { sink_ = std::move(sink); }

    // The message in the current language, its arguments filled in (arguments that are text
    // identifiers translated too), then what follows it.
    QString textOf(const device::Message& message) const;

    void showProgress(int chunk, int chunks) override;
    void hideProgress() override;
    // Handles pending events, user input included: a click must reach its handler so that the
    // core's guard can refuse what it would start.
    void pumpEvents() override;
    void showMessage(const device::Message& message) override;
    // Shows a text already in the window's language under its message's identifier.
    void showText(const std::string& textId, const QString& text);

    LoadingForm* loadingForm() const { return form_; }

    // Closes the reconnect message once the mouse is back. That message is shown without
    // blocking: a restart goes on while it is up, and the user need not dismiss it.
    void dismissReconnectMessage();

signals:
    // Before the events of this chunk are handled.
    void progressShown(int chunk, int chunks);
    void messageShown(const QString& textId, const QString& text);

private:
    // The pattern of `textId` in the current language: the language table, the core's Chinese
    // texts for language 2, else the core's English; empty when none knows it.
    std::string patternOf(std::string_view textId) const;
    text::TextTable& texts_;
    QPointer<QWidget> window_;
    QPointer<LoadingForm> form_;
    MessageSink sink_;
    QPointer<QDialog> reconnect_;
};

}  // namespace gm::ui
