#pragma once
// The engineering page's tab widget (PageControl_Eng). Each sheet adds itself under its place in
// EngineeringSheet, so the tabs keep one order however the sheets are built.

#include <QTabWidget>
#include <vector>

namespace gm::ui {

// The sheets in tab order.
enum class EngineeringSheet { Engineer, Cpi, Options, Led, Usb, Image, Keys, Gun };

class EngineeringTabs final : public QTabWidget {
    Q_OBJECT
public:
    explicit EngineeringTabs(QWidget* parent);

    // Adds `sheet` under `title` at the place of `which` among the sheets added so far.
    void addSheet(EngineeringSheet which, QWidget* sheet, const QString& title);

private:
    std::vector<EngineeringSheet> order_;  // the added sheets, in tab order
};

}  // namespace gm::ui
