#pragma once
// The LED speed card of the Light page: the ten-step bar Img_Fall1..Img_Fall10 between "Slow"
// and "Fast". Step s writes the step time 55 - 5s (Vendor 56); the bar shows the step of the
// stored time. The modes 6 and 7 (index 5 and 6) have no speed, so the bar is disabled for them.

#include <QLabel>

#include "ui/pages/settings/page_card.h"
#include "ui/pages/widgets/value_bar.h"

namespace gm::ui {

class OperationHost;

class LedSpeedCard final : public PageCard {
public:
    LedSpeedCard(OperationHost& host, QWidget* page);
    void refresh();
    void retranslate();

private:
    OperationHost& host_;
    QLabel* slow_;
    ValueBar* bar_;
    QLabel* fast_;
};

}  // namespace gm::ui
