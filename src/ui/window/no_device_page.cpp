#include "ui/window/no_device_page.h"

#include <QVBoxLayout>
#include <algorithm>

#include "ui/host/window_texts.h"
#include "ui/skin/style_sheets.h"
#include "ui/window/skin_picture_label.h"

namespace gm::ui {

NoDevicePage::NoDevicePage(QWidget* parent)
    : QWidget(parent),
      picture_(new SkinPictureLabel("Searching", this)),
      heading_(new QLabel(this)),
      hint_(new QLabel(this)),
      problem_(new QLabel(this)) {
    setObjectName("Pnl_NoDevice");
    picture_->setAlignment(Qt::AlignCenter);
    heading_->setObjectName("lbl_NoDevice");
    heading_->setAlignment(Qt::AlignCenter);
    heading_->setStyleSheet(skin::styleSheet(skin::Look::Heading));
    for (QLabel* label : {hint_, problem_}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        // A fixed width lets the wrapped text take the height it needs.
        label->setFixedWidth(520);
    }
    hint_->setStyleSheet(skin::styleSheet(skin::Look::Hint));
    problem_->setObjectName("lbl_NoDeviceProblem");
    problem_->setStyleSheet(skin::styleSheet(skin::Look::Problem));

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(picture_, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(heading_, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(hint_, 0, Qt::AlignHCenter);
    layout->addSpacing(10);
    layout->addWidget(problem_, 0, Qt::AlignHCenter);
    layout->addStretch(3);
}

void NoDevicePage::setTexts(int language, bool permissionProblem, const QString& problem) {
    heading_->setText(windowText(WindowText::Looking, language));
    hint_->setText(windowText(WindowText::LookingHint, language));
    QString shown =
        permissionProblem ? windowText(WindowText::PermissionHint, language) : QString();
    if (permissionProblem && !problem.isEmpty())
        shown += "\n" + problem;
    problem_->setText(shown);
    problem_->setVisible(!shown.isEmpty());
    // A wrapped label does not ask the layout for the height its lines need: give it that height,
    // so no line is cut off. An empty label has no height for any width (-1).
    for (QLabel* label : {hint_, problem_})
        label->setMinimumHeight(std::max(0, label->heightForWidth(label->width())));
}

}  // namespace gm::ui
