#include "ui/pages/macros/event_dialogs.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "buttons/key_usages.h"
#include "host/capture/qt_key_usage.h"
#include "macros/macro_script.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace ids = text::ids;

DelayDialog::DelayDialog(OperationHost& host, QWidget* window)
    : SkinDialog("TForm5", "Edt_EditTime", window), host_(host) {
    field()->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), field()));
    // Empty, 0 or less reads as 1, above 65535 as 65535, as it is typed.
    connect(field(), &QLineEdit::textEdited, this, [this](const QString& text) {
        const int typed = text.toInt();
        const int kept = std::clamp(typed, 1, macros::kMaxDelayMs);
        if (text.isEmpty() || kept != typed)
            field()->setText(QString::number(kept));
    });
    connect(this, &SkinDialog::confirmed, this, [this](const QString& text) {
        emit delayChosen(std::clamp(text.toInt(), 1, macros::kMaxDelayMs));
    });
}

void DelayDialog::ask(int ms) {
    setCaptions(host_.caption(ids::kInputDelayTime), host_.caption(ids::kConfirm),
                host_.caption(ids::kClear));
    field()->setText(QString::number(std::clamp(ms, 1, macros::kMaxDelayMs)));
    field()->selectAll();
    openCentred();
}

KeyDialog::KeyDialog(OperationHost& host, QWidget* window)
    : SkinDialog("TForm4", "Edt_EditKey", window), host_(host) {
    field()->setReadOnly(true);
    field()->installEventFilter(this);
    connect(field(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            usage_ = 0;  // "Clear"
    });
    connect(this, &SkinDialog::confirmed, this, [this](const QString&) { emit keyChosen(usage_); });
}

void KeyDialog::ask(std::uint8_t usage) {
    setCaptions(host_.caption(ids::kInputOneKey), host_.caption(ids::kConfirm),
                host_.caption(ids::kClear));
    showKey(usage);
    openCentred();
}

void KeyDialog::showKey(std::uint8_t usage) {
    usage_ = usage;
    field()->setText(QString::fromUtf8(buttons::keyNameOfUsage(usage).data(),
                                       static_cast<int>(buttons::keyNameOfUsage(usage).size())));
}

bool KeyDialog::eventFilter(QObject* watched, QEvent* event) {
    // Every key pressed in the field is the key to take, Enter, Tab and Escape included.
    if (watched != field() ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return SkinDialog::eventFilter(watched, event);
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        const std::uint8_t usage = host::usageOfKeyEvent(*static_cast<QKeyEvent*>(event));
        if (usage != 0 && !buttons::keyNameOfUsage(usage).empty()) {
            showKey(usage);
            if (auto* confirm = findChild<QWidget*>("IB_Confirm"))
                confirm->setFocus();
        }
    }
    return true;
}

}  // namespace gm::ui
