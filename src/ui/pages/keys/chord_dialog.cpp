#include "ui/pages/keys/chord_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

#include "host/capture/qt_key_usage.h"
#include "ui/pages/keys/check_toggle.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

struct ModifierBox {
    buttons::ChordModifier modifier;
    const char* name;
    const char* caption;
};

constexpr std::array<ModifierBox, 4> kBoxes{{
    {buttons::ChordModifier::Ctrl, "CB_Ctrl", "Ctrl"},
    {buttons::ChordModifier::Shift, "CB_Shift", "Shift"},
    {buttons::ChordModifier::Alt, "CB_Alt", "Alt"},
    {buttons::ChordModifier::Win, "CB_Win", "Win"},
}};

constexpr int kBoxRowHeight = 24;

// Keys the field leaves to the dialog: Escape closes it, Shift+Tab moves the focus back.
bool passesOn(const QKeyEvent& key) {
    return key.key() == Qt::Key_Escape || key.key() == Qt::Key_Backtab ||
           (key.key() == Qt::Key_Tab && key.modifiers().testFlag(Qt::ShiftModifier));
}

}  // namespace

ChordDialog::ChordDialog(OperationHost& host, QWidget* window)
    : SkinDialog("TForm2", "Edt_Assembly", window), host_(host) {
    field()->setReadOnly(true);
    field()->installEventFilter(this);
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        auto* box = new CheckToggle(row);
        box->setObjectName(kBoxes[i].name);
        box->setText(kBoxes[i].caption);
        const buttons::ChordModifier modifier = kBoxes[i].modifier;
        connect(box, &QAbstractButton::clicked, this,
                [this, modifier] { modifierClicked(modifier); });
        layout->addWidget(box);
        boxes_[i] = box;
    }
    layout->addStretch();
    addRow(row, kBoxRowHeight);
    connect(this, &SkinDialog::cleared, this, [this] {
        chord_.clear();
        showChord();
    });
    connect(this, &SkinDialog::confirmed, this,
            [this](const QString& text) { emit chordChosen(chord_.code(), text); });
}

bool ChordDialog::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched != field() || (type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
                               type != QEvent::KeyRelease))
        return SkinDialog::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (passesOn(key))
        return false;
    // Every other key is one of the chord, Enter and Tab among them, and no shortcut sees it.
    if (type == QEvent::KeyPress && !key.isAutoRepeat())
        keyPressed(key);
    event->accept();
    return true;
}

void ChordDialog::ask() {
    setCaptions(host_.caption(text::ids::kAssemblyKey), host_.caption(text::ids::kConfirm),
                host_.caption(text::ids::kClear));
    chord_.clear();
    showChord();
    openCentred();
}

void ChordDialog::keyPressed(const QKeyEvent& event) {
    const bool modifierHeld =
        (event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
    const std::uint8_t usage = host::usageOfKeyEvent(event);
    if (!buttons::ChordCapture::takes(usage, modifierHeld))
        return;
    chord_.addKey(usage);
    showChord();
}

void ChordDialog::modifierClicked(buttons::ChordModifier modifier) {
    chord_.setModifier(modifier, !chord_.hasModifier(modifier));
    showChord();
    field()->setFocus();
}

void ChordDialog::showChord() {
    for (std::size_t i = 0; i < kBoxes.size(); ++i)
        boxes_[i]->setOn(chord_.hasModifier(kBoxes[i].modifier));
    field()->setText(QString::fromStdString(chord_.text()));
}

}  // namespace gm::ui
