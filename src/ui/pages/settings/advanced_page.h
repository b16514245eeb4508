#pragma once
// The Advanced page (gbPage2): the CPI card, the report rate card and the pointer card with the
// desktop mouse settings. The page redraws from the workspace whenever the host says the model
// changed, and retitles on a language change.

#include <QWidget>

namespace gm::ui {

class OperationHost;
class CpiCard;
class ReportRateCard;
class PointerCard;

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
    PointerCard* pointer_;
};

}  // namespace gm::ui
