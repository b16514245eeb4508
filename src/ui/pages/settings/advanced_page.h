#pragma once
// The Advanced page (gbPage2): the CPI card, the report rate card and the pointer card, whose
// desktop mouse settings are not built yet (the card stays with its title only). The page redraws
// from the workspace whenever the host says the model changed, and retitles on a language change.

#include <QWidget>

namespace gm::ui {

class OperationHost;
class CpiCard;
class ReportRateCard;
class PageCard;

class AdvancedPage final : public QWidget {
    Q_OBJECT
public:
    AdvancedPage(OperationHost& host, QWidget* groupBox);

    void refresh();
    void retranslate();

private:
    OperationHost& host_;
    CpiCard* cpi_;
    ReportRateCard* reportRate_;
    PageCard* pointer_;
};

}  // namespace gm::ui
