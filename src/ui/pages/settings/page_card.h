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

}  // namespace gm::ui
