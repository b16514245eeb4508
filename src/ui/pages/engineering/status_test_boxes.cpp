#include "ui/pages/engineering/status_test_boxes.h"

#include <QHBoxLayout>

namespace gm::ui {

namespace {

constexpr std::array<const char*, 4> kBoxNames{"cb_CPITest", "cb_CPIITest", "cb_CPIDTest",
                                               "cb_ProfileTest"};
// Engineering terms: "CPI/Profile Test", then the buttons' captions ("Press 'CPI Loop'",
// "Press 'CPI +'", "Press 'CPI -'", "Profile").
constexpr std::array<Term, 4> kBoxTerms{Term::PressCpiLoop, Term::PressCpiLoop + 1,
                                        Term::PressCpiLoop + 2, Term::Profile};

}  // namespace

StatusTestBoxes::StatusTestBoxes(OperationHost& host, QWidget* parent) : QGroupBox(parent) {
    setObjectName("gb_StatusTest");
    setTitle(host.term(Term::StatusTest));
    auto* row = new QHBoxLayout(this);
    row->setSpacing(24);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(kBoxNames[i]);
        // Ticked by the mouse only.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        box->setText(host.term(kBoxTerms[i]));
        row->addWidget(box);
        boxes_[i] = box;
    }
    row->addStretch(1);
}

void StatusTestBoxes::showPressed(int button, bool pressed) {
    if (button >= 0 && button < static_cast<int>(boxes_.size()))
        boxes_[static_cast<std::size_t>(button)]->setChecked(pressed);
}

}  // namespace gm::ui
