#pragma once
// The report rate card of the Advanced page: four choices 125, 250, 500 and 1000 Hz, each a
// radio mark rb_Rep<n> and its label lbl_Rep<n> (n = 1..4); either one chooses the rate. A new
// rate restarts the mouse (settings/report_rate.h), which is then read again.

#include <array>

#include "ui/pages/settings/page_card.h"
#include "ui/pages/widgets/choice_button.h"

namespace gm::ui {

class OperationHost;

class ReportRateCard final : public PageCard {
public:
    ReportRateCard(OperationHost& host, QWidget* page);
    void refresh();
    void retranslate();

private:
    void choose(int choice);

    OperationHost& host_;
    std::array<MarkButton*, 4> marks_{};
    std::array<CaptionButton*, 4> labels_{};
};

}  // namespace gm::ui
