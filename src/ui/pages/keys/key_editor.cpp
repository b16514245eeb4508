#include "ui/pages/keys/key_editor.h"

#include "buttons/assignment.h"
#include "buttons/refresh.h"
#include "buttons/tag_code.h"
#include "ui/host/operation_host.h"
#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"
#include "ui/pages/keys/chord_dialog.h"
#include "ui/pages/keys/key_menu_view.h"

namespace gm::ui {

KeyEditor::KeyEditor(OperationHost& host, QWidget* window)
    : QObject(window),
      host_(host),
      macros_(host.workspace().model()),
      menuView_(new KeyMenuView(window)) {
    // Connected before the pages: their refreshes see the state of the new image.
    connect(&host_.events(), &PageEvents::modelChanged, this, &KeyEditor::refreshFromModel);
    connect(&host_.events(), &PageEvents::pageShown, menuView_, &KeyMenuView::closeMenu);
    connect(&host_.events(), &PageEvents::retranslated, menuView_, &KeyMenuView::closeMenu);
    connect(menuView_, &KeyMenuView::picked, this, [this](const buttons::MenuEntry& entry) {
        if (entry.kind == buttons::EntryKind::Chord)
            openChordDialog(menuTarget_);
        else
            assign(menuTarget_, entry);
    });
    refreshFromModel();
}

void KeyEditor::openMenu(QWidget* anchor, const MenuTarget& target) {
    menuTarget_ = target;
    const QString current = target.origin == buttons::MenuOrigin::EngineeringCombo
                                ? comboKeyName(target.comboSlot)
                                : profileKeyName(target.key);
    menuView_->open(
        menuFor(target.origin), anchor,
        [this](const buttons::MenuEntry& entry) { return entryCaption(entry); }, current);
}

void KeyEditor::refreshFromModel() {
    buttons::refreshButtonState(host_.workspace().model(), state(), &macros_);
    emit refreshed();
}

QString KeyEditor::caption(const buttons::KeyName& name) const {
    if (!name.id.empty())
        return host_.caption(name.id);
    return QString::fromStdString(name.text);
}

QString KeyEditor::nameOf(const image::KeyCode& code) const {
    return caption(buttons::nameOf(code, {state().rememberedFire, &macros_}));
}

QString KeyEditor::profileKeyName(buttons::KeyRef key) const {
    return nameOf(buttons::profileKeyCode(host_.workspace().model(), key));
}

QString KeyEditor::comboKeyName(std::size_t slot) const {
    return nameOf(buttons::comboKeyCode(host_.workspace().model(), slot));
}

QString KeyEditor::entryCaption(const buttons::MenuEntry& entry) const {
    if (!entry.textId.empty())
        return host_.caption(entry.textId);
    return QString::fromStdString(entry.text);
}

int KeyEditor::profilePagesShown() const {
    // The layout table may leave out the page buttons of profiles 3, or 2 and 3.
    const QWidget* window = menuView_->parentWidget();
    int shown = 1;
    for (const char* button : {"Btn_Switch_1", "Btn_Fixed_1"}) {
        const auto* page = window->findChild<const QWidget*>(button);
        if (page == nullptr || page->isHidden())
            break;
        ++shown;
    }
    return shown;
}

buttons::KeyMenu KeyEditor::menuFor(buttons::MenuOrigin origin) const {
    buttons::KeyMenu menu =
        buttons::buildKeyMenu({.origin = origin,
                               .settings = host_.programSettings(),
                               .pageProfile = static_cast<std::size_t>(state().userPageProfile),
                               .macros = &macros_});
    // The user page offers a switch to each profile page the window shows, none with one page;
    // the engineering page offers them all.
    const int profiles = profilePagesShown();
    if (origin == buttons::MenuOrigin::UserPage && profiles < 3) {
        for (buttons::MenuPanel& panel : menu.panels) {
            if (panel.name != "Pnl_Profile")
                continue;
            std::erase_if(panel.entries, [profiles](const buttons::MenuEntry& entry) {
                const bool switchEntry = entry.tag >= buttons::tags::kProfileFirst &&
                                         entry.tag <= buttons::tags::kProfileLast;
                return profiles == 1 ||
                       (switchEntry && entry.tag - buttons::tags::kProfileFirst >= profiles);
            });
        }
    }
    return menu;
}

void KeyEditor::assign(const MenuTarget& target, const buttons::MenuEntry& entry) {
    if (entry.kind == buttons::EntryKind::GunPresets) {
        emit gunPresetsRequested(target);
        return;
    }
    std::optional<image::KeyCode> code;
    if (entry.kind == buttons::EntryKind::Macro) {
        code = entry.code;
    } else if (entry.kind == buttons::EntryKind::Function) {
        const image::ChipType chip =
            host_.workspace().model().chip.value_or(image::ChipType::Chip4210A);
        code = buttons::codeOfTag(entry.tag, {state(), chip, target.origin});
    }
    if (code)
        assignCode(target, *code, entryCaption(entry));
}

void KeyEditor::assignCode(const MenuTarget& target, const image::KeyCode& code,
                           const QString& name) {
    device::Workspace& workspace = host_.workspace();
    if (target.origin == buttons::MenuOrigin::EngineeringCombo) {
        const QString slot =
            windowText(WindowText::ComboKeyNumber, host_.language()).arg(target.comboSlot + 1);
        host_.runLiveChange(slot + ": " + name, [&] {
            return buttons::assignComboKey(workspace, target.comboSlot, code);
        });
        return;
    }
    bool refused = false;
    const QString key = windowText(WindowText::KeyNumber, host_.language()).arg(target.key.key + 1);
    host_.runLiveChange(key + ": " + name, [&] {
        if (target.origin == buttons::MenuOrigin::EngineeringKey)
            return buttons::assignEngineeringKey(workspace, target.key, code);
        const buttons::Assignment assigned =
            buttons::assignUserKey(workspace, state(), target.key, code);
        refused = assigned.refused;
        return assigned.pushed;
    });
    if (refused)
        sayKeepsLeftClick();
}

void KeyEditor::sayKeepsLeftClick() {
    // The mouse needs a left button on its first profile; the caption stays "Left Click".
    host_.sayLine(windowText(WindowText::KeepsLeftClick, host_.language()), true);
}

void KeyEditor::openChordDialog(const MenuTarget& target) {
    if (target.origin == buttons::MenuOrigin::UserPage &&
        buttons::isLastLeftClick(host_.workspace().model(), state(), target.key)) {
        sayKeepsLeftClick();
        return;
    }
    if (chordDialog_ == nullptr) {
        chordDialog_ = new ChordDialog(host_, menuView_->parentWidget());
        connect(chordDialog_, &ChordDialog::chordChosen, this,
                [this](const image::KeyCode& code, const QString& name) {
                    assignCode(chordTarget_, code, name);
                });
        connect(chordDialog_, &QDialog::finished, this, [this] { dimKeyPage(false); });
    }
    chordTarget_ = target;
    dimKeyPage(target.origin == buttons::MenuOrigin::UserPage);
    chordDialog_->ask();
}

void KeyEditor::dimKeyPage(bool dim) {
    // The window shows the key page's overlay until an image is read; "held" keeps it up while
    // the dialog is open.
    QWidget* overlay = menuView_->parentWidget()->findChild<QWidget*>("Disable_All_1");
    if (overlay == nullptr)
        return;
    overlay->setProperty("held", dim);
    overlay->setVisible(dim || !host_.workspace().session().imageRead());
    overlay->raise();
}

}  // namespace gm::ui
