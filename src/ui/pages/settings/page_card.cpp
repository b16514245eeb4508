#include "ui/pages/settings/page_card.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

PageCard::PageCard(const skin::SkinRect& rect, const char* name, QWidget* page)
    : QWidget(page), title_(new QLabel(this)) {
    setObjectName(name);
    setGeometry(rect.x, rect.y, rect.width, rect.height);
    title_->setObjectName(QString(name) + "Title");
    title_->setStyleSheet(skin::styleSheet(skin::Look::CardTitle));
    title_->setGeometry(kInset, 14, rect.width - 2 * kInset, 24);
}

}  // namespace gm::ui
