#pragma once
// One card of a user page: a transparent widget over the card the page background draws
// (page_geometry.h), with its title in the card's top-left corner. Cards place their controls
// below kContentTop.

#include <QLabel>
#include <QWidget>

#include "ui/skin/frame_geometry.h"

namespace gm::ui {

class PageCard : public QWidget {
public:
    static constexpr int kInset = 20;       // left and right padding of the content
    static constexpr int kContentTop = 52;  // first row below the title

    PageCard(const skin::SkinRect& rect, const char* name, QWidget* page);
    void setTitle(const QString& title) { title_->setText(title); }

private:
    QLabel* title_;
};

// Style sheets the cards share.
inline constexpr const char* kMutedTextStyle = "color: #8B93A1; font-size: 12px;";
inline constexpr const char* kValueTextStyle = "color: #E6E8EB; font-size: 15px; font-weight: 600;";
inline constexpr const char* kValueTextOutOfUseStyle =
    "color: #6B7079; font-size: 15px; font-weight: 600;";
inline constexpr const char* kComboStyle =
    "QComboBox { color: #E6E8EB; background: #15171C; border: 1px solid #2A2E37;"
    " border-radius: 6px; padding: 2px 8px; }"
    "QComboBox:focus { border-color: #2DD4BF; }"
    "QComboBox QAbstractItemView { color: #E6E8EB; background: #1E2128;"
    " selection-background-color: #1F5E57; border: 1px solid #2A2E37; }";

}  // namespace gm::ui
