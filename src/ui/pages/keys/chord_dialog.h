#pragma once
// TForm2, "Assembly Key": a user-defined chord for the button being edited. The keys come from
// real key presses in Edt_Assembly (by their position, as the recorder takes them; Enter and Tab
// are keys there too, Escape closes, Shift+Tab leaves the field), the modifiers from the boxes
// CB_Ctrl, CB_Shift, CB_Alt and CB_Win. "Clear" starts again; "Confirm" hands over the code
// 02 mask key1 key2 and the chord's name.

#include <array>

#include "buttons/chord_capture.h"
#include "image/code_text.h"
#include "ui/host/operation_host.h"
#include "ui/pages/widgets/skin_dialog.h"

namespace gm::ui {

class CheckToggle;
struct PressedKey;

class ChordDialog final : public SkinDialog {
    Q_OBJECT
public:
    ChordDialog(OperationHost& host, QWidget* window);
    // Opens the dialog empty, in the current language.
    void ask();

signals:
    void chordChosen(const gm::image::KeyCode& code, const QString& name);

private:
    void keyPressed(const PressedKey& key);
    void modifierClicked(buttons::ChordModifier modifier);
    void showChord();

    OperationHost& host_;
    buttons::ChordCapture chord_;
    std::array<CheckToggle*, 4> boxes_{};
};

}  // namespace gm::ui
