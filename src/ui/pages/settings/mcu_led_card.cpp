#include "ui/pages/settings/mcu_led_card.h"

#include "ui/host/operation_host.h"
#include "ui/host/window_texts.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

constexpr int kLabelWidth = 120;
constexpr int kRowHeight = 28;
constexpr int kStepRowY = 0;
constexpr int kBrightnessRowY = 44;
constexpr int kChoiceWidth = 120;

}  // namespace

McuLedCard::McuLedCard(OperationHost& host, QWidget* page)
    : PageCard(skin::light_page::kMcuLedCard, "Pnl_MCULED", page),
      host_(host),
      note_(new QLabel(this)),
      controls_(new QWidget(this)),
      stepLabel_(new QLabel(controls_)),
      step_(new ValueBar(settings::kMcuSteps, ValueBar::Segment::Short, "Img_MCULEDStep_",
                         controls_)),
      brightnessLabel_(new QLabel(controls_)),
      fullMark_(new MarkButton(MarkButton::Kind::Radio, controls_)),
      full_(new CaptionButton(controls_)),
      halfMark_(new MarkButton(MarkButton::Kind::Radio, controls_)),
      half_(new CaptionButton(controls_)) {
    note_->setObjectName("lbl_MCULEDNote");
    note_->setStyleSheet(skin::styleSheet(skin::Look::MutedText));
    note_->setWordWrap(true);
    note_->setGeometry(kInset, kContentTop, width() - 2 * kInset, 48);
    controls_->setGeometry(kInset, kContentTop, width() - 2 * kInset, height() - kContentTop);

    stepLabel_->setObjectName("lbl_MCULEDStep");
    brightnessLabel_->setObjectName("lbl_MCULEDBrightness");
    for (QLabel* label : {stepLabel_, brightnessLabel_})
        label->setStyleSheet(skin::styleSheet(skin::Look::MutedText));
    stepLabel_->setGeometry(0, kStepRowY, kLabelWidth, kRowHeight);
    step_->setObjectName("Img_MCULEDStepBar");
    step_->move(kLabelWidth - ValueBar::kFocusMargin,
                kStepRowY + (kRowHeight - step_->height()) / 2);
    brightnessLabel_->setGeometry(0, kBrightnessRowY, kLabelWidth, kRowHeight);

    fullMark_->setObjectName("Img_MCULED3Control");
    full_->setObjectName("lbl_MCULED3Control");
    halfMark_->setObjectName("Img_MCULED6Control");
    half_->setObjectName("lbl_MCULED6Control");
    const int markY = kBrightnessRowY + (kRowHeight - fullMark_->height()) / 2;
    fullMark_->move(kLabelWidth, markY);
    full_->setGeometry(kLabelWidth + 26, kBrightnessRowY, kChoiceWidth - 30, kRowHeight);
    halfMark_->move(kLabelWidth + kChoiceWidth, markY);
    half_->setGeometry(kLabelWidth + kChoiceWidth + 26, kBrightnessRowY, kChoiceWidth - 30,
                       kRowHeight);

    connect(step_, &ValueBar::chosen, this, [this](int segment) {
        settings::McuLed wanted = settings::mcuLedOf(host_.workspace().model());
        wanted.step = segment - 1;
        write(wanted, QString("%1 %2").arg(stepLabel_->text()).arg(segment));
    });
    connect(fullMark_, &QAbstractButton::clicked, this, [this] { chooseBrightness(true); });
    connect(full_, &QAbstractButton::clicked, this, [this] { chooseBrightness(true); });
    connect(halfMark_, &QAbstractButton::clicked, this, [this] { chooseBrightness(false); });
    connect(half_, &QAbstractButton::clicked, this, [this] { chooseBrightness(false); });
    retranslate();
}

void McuLedCard::chooseBrightness(bool full) {
    settings::McuLed wanted = settings::mcuLedOf(host_.workspace().model());
    wanted.fullBrightness = full;
    write(wanted, brightnessLabel_->text() + " " + (full ? full_->text() : half_->text()));
}

void McuLedCard::write(const settings::McuLed& wanted, const QString& what) {
    host_.runLiveChange(what,
                        [this, wanted] { return settings::setMcuLed(host_.workspace(), wanted); });
}

void McuLedCard::retranslate() {
    const int lang = host_.language();
    setTitle(windowText(WindowText::McuLedCard, lang));
    stepLabel_->setText(windowText(WindowText::McuLedStep, lang));
    brightnessLabel_->setText(host_.caption(text::ids::kLedBrightness));
    full_->setText(host_.caption(text::ids::kFull));
    half_->setText(host_.caption(text::ids::kHalf));
    refresh();
}

void McuLedCard::refresh() {
    const image::ImageModel& model = host_.workspace().model();
    const bool mcu = settings::ledOf(model).type == settings::LedType::Mcu;
    const bool keepsSettings = model.chip == image::ChipType::Chip4210A;
    controls_->setVisible(mcu && keepsSettings);
    note_->setVisible(!controls_->isVisibleTo(this));
    note_->setText(windowText(mcu ? WindowText::McuLedOtherChip : WindowText::McuLedOtherType,
                              host_.language()));
    if (!mcu || !keepsSettings)
        return;
    const settings::McuLed shown = settings::mcuLedOf(model);
    step_->setLook(host_.programSettings().sliderLevelStyle ? ValueBar::Look::Single
                                                            : ValueBar::Look::Fill);
    step_->setValue(shown.step + 1);
    fullMark_->setChecked(shown.fullBrightness);
    full_->setChecked(shown.fullBrightness);
    halfMark_->setChecked(!shown.fullBrightness);
    half_->setChecked(!shown.fullBrightness);
}

}  // namespace gm::ui
