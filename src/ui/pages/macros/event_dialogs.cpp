#include "ui/pages/macros/event_dialogs.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "buttons/key_usages.h"
#include "macros/macro_script.h"
#include "ui/pages/widgets/key_field.h"
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
    new KeyField(*field(), [this](const PressedKey& key) {
        if (key.usage == 0 || buttons::keyNameOfUsage(key.usage).empty())
            return;
        showKey(key.usage);
        // The key is taken: Enter now confirms it.
        if (auto* confirm = findChild<QWidget*>("IB_Confirm"))
            confirm->setFocus();
    });
    connect(this, &SkinDialog::cleared, this, [this] { usage_ = 0; });
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
    const std::string_view name = buttons::keyNameOfUsage(usage);
    field()->setText(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace gm::ui
