#pragma once
// The button controls' shared state for the key page and the engineering key sheet: the values
// the button operations read (fire-key sets, AIM level, gestures, masks), the names codes are
// shown with in the current language, and the assignments a key menu pick runs on the mouse.

#include <QObject>
#include <QString>
#include <functional>

#include "buttons/button_state.h"
#include "buttons/key_menu.h"
#include "buttons/key_name.h"
#include "buttons/key_tables.h"
#include "device/result.h"
#include "image/code_text.h"
#include "macros/device_macro_catalogue.h"
#include "ui/host/operation_host.h"

namespace gm::ui {

class ChordDialog;
class KeyMenuView;

// Which button a key menu edits: a profile key, or a combo slot 0..8 of the engineering page.
struct MenuTarget {
    buttons::MenuOrigin origin = buttons::MenuOrigin::UserPage;
    buttons::KeyRef key;
    std::size_t comboSlot = 0;
};

class KeyEditor final : public QObject {
    Q_OBJECT
public:
    // `window`: the top-level widget the key menu opens in.
    KeyEditor(OperationHost& host, QWidget* window);

    OperationHost& host() { return host_; }
    buttons::ButtonState& state() { return host_.buttonState(); }
    const buttons::ButtonState& state() const { return host_.buttonState(); }

    // The caption of a name in the current language; empty for an unknown code.
    QString caption(const buttons::KeyName& name) const;
    QString nameOf(const image::KeyCode& code) const;
    QString profileKeyName(buttons::KeyRef key) const;
    QString comboKeyName(std::size_t slot) const;
    // The caption of a menu entry: its language-table text or the macro's name.
    QString entryCaption(const buttons::MenuEntry& entry) const;

    // The device macros the menu offers and the captions name macro codes by.
    const buttons::MacroCatalogue& macros() const { return macros_; }
    // The gun-key list that names fire-macro codes while its file exists (null: none).
    void useGunKeys(const buttons::GunKeyList* list) { macros_.useGunKeys(list); }

    // The menu a button opened from `origin` offers, sized by the program settings and the page.
    buttons::KeyMenu menuFor(buttons::MenuOrigin origin) const;

    // Opens the key menu for `target` beside `anchor`; a pick assigns it. Page changes and a
    // language change close it.
    void openMenu(QWidget* anchor, const MenuTarget& target);
    KeyMenuView& menuView() { return *menuView_; }

    // Gives the target the entry's function and sends it to the mouse; says a refusal.
    void assign(const MenuTarget& target, const buttons::MenuEntry& entry);
    // Gives the target `code`, named `name` in what is said about it.
    void assignCode(const MenuTarget& target, const image::KeyCode& code, const QString& name);
    // The chord dialog for `target` (the key menu's "User-defined"), over the dimmed key page
    // when a user-page key opened it. Profile 1's only "Left Click" keeps it: nothing opens.
    void openChordDialog(const MenuTarget& target);

signals:
    // The state was read again from the image (after a read or any write the window redrew for).
    void refreshed();
    // The key menu's "Fire Macro" entry was picked for `target`: the gun-preset page opens.
    void gunPresetsRequested(const gm::ui::MenuTarget& target);

private:
    void refreshFromModel();
    // How many profile pages the window offers (1..3), by their page buttons.
    int profilePagesShown() const;
    // Says that profile 1 keeps its last "Left Click".
    void sayKeepsLeftClick();
    // Holds the key page's overlay up while the chord dialog is open over it.
    void dimKeyPage(bool dim);

    OperationHost& host_;
    macros::DeviceMacroCatalogue macros_;
    KeyMenuView* menuView_ = nullptr;
    MenuTarget menuTarget_;
    ChordDialog* chordDialog_ = nullptr;  // made on its first opening
    MenuTarget chordTarget_;
};

}  // namespace gm::ui
