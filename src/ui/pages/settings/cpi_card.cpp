#include "ui/pages/settings/cpi_card.h"

#include "settings/cpi_levels.h"
#include "ui/host/operation_host.h"
#include "ui/host/window_texts.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

constexpr int kRowPitch = 46;
constexpr int kRowsTop = PageCard::kContentTop + 4;
constexpr int kRowInset = 8;
constexpr int kCountWidth = 64;

}  // namespace

CpiCard::CpiCard(OperationHost& host, QWidget* page)
    : PageCard(skin::advanced_page::kCpiCard, "Pnl_DPI", page),
      host_(host),
      countLabel_(new QLabel(this)),
      count_(new QComboBox(this)) {
    countLabel_->setObjectName("lbl_DPICount");
    countLabel_->setStyleSheet(skin::styleSheet(skin::Look::MutedText));
    countLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count_->setObjectName("combox_dpi_count");
    count_->setStyleSheet(skin::styleSheet(skin::Look::CardCombo));
    for (int count = 1; count <= settings::kCpiLevelCount; ++count)
        count_->addItem(QString::number(count));
    const int countX = width() - kInset - kCountWidth;
    count_->setGeometry(countX, 12, kCountWidth, 28);
    countLabel_->setGeometry(countX - 8 - 180, 12, 180, 28);
    // activated(): the user's choice only; a refresh setting the index sends nothing.
    connect(count_, &QComboBox::activated, this, [this](int index) {
        host_.runLiveChange(countLabel_->text() + " " + count_->itemText(index), [this, index] {
            return settings::setLevelCount(host_.workspace(), index + 1);
        });
    });

    for (int level = 1; level <= settings::kCpiLevelCount; ++level) {
        auto* row = new CpiLevelRow(host, level, this);
        row->setGeometry(kRowInset, kRowsTop + (level - 1) * kRowPitch, width() - 2 * kRowInset,
                         CpiLevelRow::kHeight);
        connect(row, &CpiLevelRow::labelClicked, this, [this](int n) {
            host_.runLiveChange(levelWhat(n),
                                [this, n] { return settings::toggleLevel(host_.workspace(), n); });
        });
        connect(row, &CpiLevelRow::markClicked, this, [this](int n) {
            host_.runLiveChange(levelWhat(n), [this, n] {
                return settings::setCurrentLevel(host_.workspace(), n);
            });
        });
        connect(row, &CpiLevelRow::valueChosen, this, [this](int n, std::uint8_t index) {
            const QString what = levelWhat(n) + QString::fromUtf8(" → ") +
                                 QString::number(settings::cpiOfIndex(index).value_or(0));
            host_.runLiveChange(what, [this, n, index] {
                return settings::setLevelValue(host_.workspace(), n, index);
            });
        });
        connect(row, &CpiLevelRow::colourChosen, this, [this](int n, settings::Rgb colour) {
            const QString what = levelWhat(n) + QString::fromUtf8(" → #") +
                                 QString::fromStdString(settings::colourText(colour));
            host_.runLiveChange(what, [this, n, colour] {
                return settings::setLevelColour(host_.workspace(), n, colour);
            });
        });
        rows_[static_cast<std::size_t>(level - 1)] = row;
    }
    retranslate();
}

QString CpiCard::levelWhat(int level) const {
    return windowText(WindowText::LevelCaption, host_.language()).arg(level);
}

void CpiCard::retranslate() {
    setTitle(host_.caption(text::ids::kCpiSetting));
    countLabel_->setText(host_.caption(text::ids::kCpiCount));
    for (CpiLevelRow* row : rows_)
        row->retranslate();
}

void CpiCard::refresh() {
    const settings::CpiLevels levels = settings::cpiLevelsOf(host_.workspace().model());
    {
        const QSignalBlocker quiet(count_);
        count_->setCurrentIndex(levels.count - 1);
    }
    const ValueBar::Look barLook =
        host_.programSettings().sliderLevelStyle ? ValueBar::Look::Single : ValueBar::Look::Fill;
    for (int level = 1; level <= settings::kCpiLevelCount; ++level) {
        const auto index = static_cast<std::size_t>(level - 1);
        rows_[index]->showLevel({.inUse = level <= levels.count,
                                 .current = levels.current == level,
                                 .valueIndex = levels.values[index],
                                 .colour = levels.colours[index],
                                 .barLook = barLook});
    }
}

}  // namespace gm::ui
