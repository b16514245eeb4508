#pragma once
// The Pointer card of the Advanced page: the desktop mouse settings, which never reach the
// mouse. Three eleven-step bars, "Moving Speed" (Img_Spd1..11), "Double Click Speed"
// (Img_DbSpd1..11) and "Rolling Speed" (Img_ScrSpd1..11 with the line counts lbl_ScrSpd1..11,
// which choose their level too), and two toggles, "Enhance pointer precision" (lbl_IsControl)
// and "One roll a screen" (lbl_IsScreen), which dims the wheel bar while on. Every click applies
// all settings (host/desktop_mouse); the notice line under them (lbl_PointerNotice) then says
// what the desktop could not apply, once per change. The bars take the program's bar style.

#include <QLabel>
#include <array>
#include <functional>
#include <optional>

#include "host/desktop_mouse/desktop_mouse_settings.h"
#include "settings/desktop/desktop_pointer.h"
#include "ui/pages/keys/check_toggle.h"
#include "ui/pages/settings/page_card.h"
#include "ui/pages/widgets/value_bar.h"

namespace gm::ui {

class OperationHost;

class PointerCard final : public PageCard {
public:
    PointerCard(OperationHost& host, QWidget* page);
    void refresh();
    void retranslate();

private:
    void change(const std::function<bool(settings::desktop::PointerSettings&)>& edit);
    void place();
    void showNotice();

    OperationHost& host_;
    QLabel* speedCaption_;
    ValueBar* speed_;
    CheckToggle* precision_;
    QLabel* doubleClickCaption_;
    ValueBar* doubleClick_;
    QLabel* wheelCaption_;
    CheckToggle* oneScreen_;
    ValueBar* wheel_;
    std::array<QAbstractButton*, settings::desktop::kLevels> wheelLabels_{};
    QLabel* notice_;
    // What the last change applied; until the first, the notice names the desktop. Either is
    // said again in a new language.
    std::optional<host::desktop_mouse::ApplyReport> lastReport_;
};

}  // namespace gm::ui
