#include "ui/pages/settings/led_mode_card.h"

#include "settings/led_lighting.h"
#include "ui/host/operation_host.h"
#include "ui/pages/settings/led_mode_captions.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

constexpr int kRowPitch = 40;
constexpr int kRowHeight = 28;
constexpr int kCaptionX = PageCard::kInset + 28;

}  // namespace

LedModeCard::LedModeCard(OperationHost& host, QWidget* page)
    : PageCard(skin::light_page::kModeCard, "Pnl_LEDMode", page),
      host_(host),
      typeLabel_(new QLabel(this)) {
    typeLabel_->setObjectName("lbl_LEDType");
    typeLabel_->setStyleSheet(skin::styleSheet(skin::Look::MutedText));
    typeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    typeLabel_->setGeometry(width() / 2, 14, width() / 2 - kInset, 24);
    for (int i = 0; i < kModeRows; ++i) {
        const int y = kContentTop + 4 + i * kRowPitch;
        auto* mark = new MarkButton(MarkButton::Kind::Radio, this);
        mark->setObjectName(QString("rb_LED%1").arg(i + 1));
        mark->move(kInset, y + (kRowHeight - mark->height()) / 2);
        auto* label = new CaptionButton(this);
        label->setObjectName(QString("lbl_LED%1").arg(i + 1));
        label->setGeometry(kCaptionX, y, width() - kCaptionX - kInset, kRowHeight);
        connect(mark, &QAbstractButton::clicked, this, [this, i] { choose(i); });
        connect(label, &QAbstractButton::clicked, this, [this, i] { choose(i); });
        marks_[static_cast<std::size_t>(i)] = mark;
        labels_[static_cast<std::size_t>(i)] = label;
    }
    retranslate();
}

void LedModeCard::choose(int mode) {
    host_.runLiveChange(labels_[static_cast<std::size_t>(mode)]->text(),
                        [this, mode] { return settings::setLedMode(host_.workspace(), mode); });
}

void LedModeCard::retranslate() {
    setTitle(host_.caption(text::ids::kLedMode));
    refresh();
}

void LedModeCard::refresh() {
    const image::ImageModel& model = host_.workspace().model();
    const settings::LedByte led = settings::ledOf(model);
    type_ = led.type;
    typeLabel_->setText(ledTypeCaption(host_, led.type));
    const int modes = static_cast<int>(settings::modeNames(led.type).size());
    // The offered modes close up, so the list has no gaps where a mode is hidden.
    int row = 0;
    for (int mode = 0; mode < kModeRows; ++mode) {
        const auto index = static_cast<std::size_t>(mode);
        const bool offered = mode < modes && settings::modeOffered(model, mode);
        marks_[index]->setVisible(offered);
        labels_[index]->setVisible(offered);
        if (!offered)
            continue;
        const int y = kContentTop + 4 + row++ * kRowPitch;
        marks_[index]->move(kInset, y + (kRowHeight - marks_[index]->height()) / 2);
        labels_[index]->move(kCaptionX, y);
        labels_[index]->setText(ledModeCaption(host_, led.type, mode));
        const bool chosen = led.mode == mode;
        marks_[index]->setChecked(chosen);
        labels_[index]->setChecked(chosen);
    }
}

}  // namespace gm::ui
