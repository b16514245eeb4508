#include "ui/pages/keys/chord_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include "ui/pages/keys/check_toggle.h"
#include "ui/pages/widgets/key_field.h"
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

}  // namespace

ChordDialog::ChordDialog(OperationHost& host, QWidget* window)
    : SkinDialog("TForm2", "Edt_Assembly", window), host_(host) {
    new KeyField(*field(), [this](const PressedKey& key) { keyPressed(key); });
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

void ChordDialog::ask() {
    setCaptions(host_.caption(text::ids::kAssemblyKey), host_.caption(text::ids::kConfirm),
                host_.caption(text::ids::kClear));
    chord_.clear();
    showChord();
    openCentred();
}

void ChordDialog::keyPressed(const PressedKey& key) {
    if (!buttons::ChordCapture::takes(key.usage, key.modifierHeld))
        return;
    chord_.addKey(key.usage);
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
