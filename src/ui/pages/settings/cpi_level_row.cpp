#include "ui/pages/settings/cpi_level_row.h"

#include <string>

#include "ui/host/operation_host.h"
#include "ui/host/window_texts.h"
#include "ui/pages/settings/page_card.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

// Columns of a row, from its left edge.
constexpr int kLabelX = 12;
constexpr int kLabelWidth = 64;
constexpr int kMarkX = 80;
constexpr int kBarX = 110;
constexpr int kValueWidth = 56;
constexpr int kSwatchRightInset = 12;

}  // namespace

CpiLevelRow::CpiLevelRow(OperationHost& host, int level, QWidget* parent)
    : QWidget(parent),
      host_(host),
      level_(level),
      label_(new CaptionButton(this)),
      mark_(new MarkButton(MarkButton::Kind::Radio, this)),
      bar_(new ValueBar(12, ValueBar::Segment::Long, QString("Img_DPI%1_").arg(level), this)),
      value_(new QLabel(this)),
      swatch_(new ColourSwatch(host, this)) {
    setObjectName(QString("Pnl_DPI%1").arg(level));
    setAttribute(Qt::WA_StyledBackground);
    label_->setObjectName(QString("lbl_DPI%1").arg(level));
    mark_->setObjectName(QString("rb_DPI%1").arg(level));
    bar_->setObjectName(QString("Img_DPI%1Bar").arg(level));
    value_->setObjectName(QString("lbl_DPI%1Value").arg(level));
    swatch_->setObjectName(QString("lbl_DPI%1Col").arg(level));
    value_->setStyleSheet(skin::styleSheet(skin::Look::ValueText));
    value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(label_, &QAbstractButton::clicked, this, [this] { emit labelClicked(level_); });
    connect(mark_, &QAbstractButton::clicked, this, [this] { emit markClicked(level_); });
    connect(bar_, &ValueBar::chosen, this, [this](int segment) {
        emit valueChosen(level_, static_cast<std::uint8_t>(segment - 1));
    });
    connect(swatch_, &ColourSwatch::chosen, this, [this](const QColor& colour) {
        emit colourChosen(level_, {static_cast<std::uint8_t>(colour.red()),
                                   static_cast<std::uint8_t>(colour.green()),
                                   static_cast<std::uint8_t>(colour.blue())});
    });
    retranslate();
}

void CpiLevelRow::retranslate() {
    label_->setText(windowText(WindowText::LevelCaption, host_.language()).arg(level_));
    showValueText();
}

void CpiLevelRow::showLevel(const Look& look) {
    // The current level's row is lifted with a faint panel, as the mouse's active level.
    const bool lifted = look.current && look.inUse;
    if (lifted != lifted_) {
        lifted_ = lifted;
        setStyleSheet(lifted ? skin::liftedRowStyle(objectName()) : QString());
    }
    label_->setDimmed(!look.inUse);
    label_->setChecked(look.current && look.inUse);
    mark_->setChecked(look.current);
    mark_->setEnabled(look.inUse);
    bar_->setLook(look.barLook);
    bar_->setValue(look.valueIndex + 1);
    bar_->setEnabled(look.inUse);
    swatch_->setEnabled(look.inUse);
    swatch_->setColour(QColor(look.colour.red, look.colour.green, look.colour.blue));
    if (look.inUse != valueInUse_) {
        valueInUse_ = look.inUse;
        value_->setStyleSheet(
            skin::styleSheet(look.inUse ? skin::Look::ValueText : skin::Look::ValueTextOutOfUse));
    }
    valueIndex_ = look.valueIndex;
    showValueText();
}

void CpiLevelRow::showValueText() {
    // The language table's caption of the value (Str300..Str311), the number when it lacks one.
    QString text = host_.caption("Str" + std::to_string(300 + valueIndex_));
    if (text.isEmpty()) {
        if (const auto cpi = settings::cpiOfIndex(valueIndex_))
            text = QString::number(*cpi);
    }
    value_->setText(text);
}

void CpiLevelRow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int middle = height() / 2;
    label_->setGeometry(kLabelX, 0, kLabelWidth, height());
    mark_->move(kMarkX, middle - mark_->height() / 2);
    bar_->move(kBarX, middle - bar_->height() / 2);
    const int swatchX = width() - kSwatchRightInset - swatch_->width();
    swatch_->move(swatchX, middle - swatch_->height() / 2);
    value_->setGeometry(swatchX - 12 - kValueWidth, 0, kValueWidth, height());
}

}  // namespace gm::ui
