#pragma once
// The CPI card of the Advanced page: the level count selector combox_dpi_count ("1".."8", so a
// count of 7 or 8 set elsewhere shows as it is) and one CpiLevelRow per level, all eight always
// shown; the levels out of use are dimmed, which keeps the label of the next level there to click.
// Every control calls the core operation of settings/cpi_levels.h; refresh() redraws from the
// working copy and never writes.

#include <QComboBox>
#include <QLabel>
#include <array>

#include "settings/display.h"
#include "ui/pages/settings/cpi_level_row.h"
#include "ui/pages/settings/page_card.h"

namespace gm::ui {

class OperationHost;

class CpiCard final : public PageCard {
public:
    CpiCard(OperationHost& host, QWidget* page);
    void refresh();
    void retranslate();

private:
    QString levelWhat(int level) const;

    OperationHost& host_;
    QLabel* countLabel_;
    QComboBox* count_;
    std::array<CpiLevelRow*, settings::kCpiLevelCount> rows_{};
};

}  // namespace gm::ui
