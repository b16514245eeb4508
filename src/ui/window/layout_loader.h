#pragma once
// Applies a layout table (org1..org3) to the window's controls by object name: for a control
// named N (or the family name the table gives it, such as "Btn_A1" for the Reset button),
// N_X / N_Y place it in its parent, N_W / N_H size it, N_Enable = 0 hides it (1 lets the window
// show it again), N_Lable_Size / N_Lable_Width / N_Lable_R,G,B set a label's font size, width and
// text colour. Controls that carry a text group (property "textGroup", "A".."L") take the group's
// Size_<G> and Color_<G>_R,G,B. Keys the table lacks leave the control as the window built it.

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "ui/text/layout_table.h"

namespace gm::ui {

// The property that names a control's text group.
inline constexpr const char* kTextGroupProperty = "textGroup";

// Puts `widget` in text group `group` ('A'..'L').
void setTextGroup(QWidget& widget, char group);

// The family name the layout tables use for a control the window names otherwise ("Btn_A1" for
// "Btn_Reset_1"); empty when the control goes by its own name.
QString familyNameOf(const QString& objectName);

// Applies `layout` to `root` and every named control under it.
void applyLayout(QWidget& root, const text::LayoutTable& layout);

// The keys of `layout` that name no control under `root` (a typo in a table, or a control that
// was renamed): each as written in lower case.
std::vector<std::string> unusedLayoutKeys(const QWidget& root, const text::LayoutTable& layout);

}  // namespace gm::ui
