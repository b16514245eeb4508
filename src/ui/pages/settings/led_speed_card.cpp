#include "ui/pages/settings/led_speed_card.h"

#include "settings/led_lighting.h"
#include "ui/host/operation_host.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

constexpr int kWordWidth = 56;
// The modes from this index on have no speed.
constexpr int kFirstModeWithoutSpeed = 5;

}  // namespace

LedSpeedCard::LedSpeedCard(OperationHost& host, QWidget* page)
    : PageCard(skin::light_page::kSpeedCard, "Pnl_LEDSpeed", page),
      host_(host),
      slow_(new QLabel(this)),
      bar_(new ValueBar(settings::kSpeedSteps, ValueBar::Segment::Short, "Img_Fall", this)),
      fast_(new QLabel(this)) {
    slow_->setObjectName("lbl_Slow");
    fast_->setObjectName("lbl_Fast");
    bar_->setObjectName("Img_FallBar");
    for (QLabel* word : {slow_, fast_})
        word->setStyleSheet(skin::styleSheet(skin::Look::MutedText));
    slow_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fast_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(bar_, &ValueBar::chosen, this, [this](int step) {
        host_.runLiveChange(
            QString("%1 %2").arg(host_.caption(text::ids::kLedSpeed)).arg(step),
            [this, step] { return settings::setSpeedStep(host_.workspace(), step); });
    });
    retranslate();
}

void LedSpeedCard::retranslate() {
    setTitle(host_.caption(text::ids::kLedSpeed));
    slow_->setText(host_.caption(text::ids::kSlow));
    fast_->setText(host_.caption(text::ids::kFast));
    // Slow, the bar and Fast in one row from the card's inset, each word as wide as its text.
    const int middle = kContentTop + 14;
    const int slowWidth = slow_->fontMetrics().horizontalAdvance(slow_->text()) + 4;
    slow_->setGeometry(kInset, middle - 12, slowWidth, 24);
    bar_->move(kInset + slowWidth + 12, middle - bar_->height() / 2);
    fast_->setGeometry(bar_->geometry().right() + 13, middle - 12, kWordWidth, 24);
}

void LedSpeedCard::refresh() {
    const image::ImageModel& model = host_.workspace().model();
    bar_->setLook(host_.programSettings().sliderLevelStyle ? ValueBar::Look::Single
                                                           : ValueBar::Look::Fill);
    const std::uint8_t stepTime = model.copies.vendor[settings::kStepTimeAddress];
    bar_->setValue(settings::speedStepOf(stepTime));
    const std::optional<int> mode = settings::ledOf(model).mode;
    bar_->setEnabled(!mode || *mode < kFirstModeWithoutSpeed);
}

}  // namespace gm::ui
