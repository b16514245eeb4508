#include "ui/pages/settings/report_rate_card.h"

#include <string>

#include "settings/device_options.h"
#include "settings/display.h"
#include "settings/report_rate.h"
#include "ui/host/operation_host.h"
#include "ui/skin/page_geometry.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

constexpr int kRowPitch = 30;
constexpr int kCaptionX = PageCard::kInset + 28;

}  // namespace

ReportRateCard::ReportRateCard(OperationHost& host, QWidget* page)
    : PageCard(skin::advanced_page::kReportRateCard, "Pnl_Rep", page), host_(host) {
    for (int i = 0; i < 4; ++i) {
        const int y = kContentTop + i * kRowPitch;
        auto* mark = new MarkButton(MarkButton::Kind::Radio, this);
        mark->setObjectName(QString("rb_Rep%1").arg(i + 1));
        mark->move(kInset, y + (24 - mark->height()) / 2);
        auto* label = new CaptionButton(this);
        label->setObjectName(QString("lbl_Rep%1").arg(i + 1));
        label->setGeometry(kCaptionX, y, width() - kCaptionX - kInset, 24);
        connect(mark, &QAbstractButton::clicked, this, [this, i] { choose(i); });
        connect(label, &QAbstractButton::clicked, this, [this, i] { choose(i); });
        marks_[static_cast<std::size_t>(i)] = mark;
        labels_[static_cast<std::size_t>(i)] = label;
    }
    retranslate();
}

void ReportRateCard::choose(int choice) {
    const int hertz = settings::kReportRates[static_cast<std::size_t>(choice)];
    host_.runLiveChange(labels_[static_cast<std::size_t>(choice)]->text(), [this, hertz] {
        return settings::setReportRate(host_.workspace(), hertz);
    });
}

void ReportRateCard::retranslate() {
    setTitle(host_.caption(text::ids::kReportRate));
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const QString text = host_.caption("Str" + std::to_string(850 + i));
        labels_[i]->setText(text.isEmpty() ? QString("%1Hz").arg(settings::kReportRates[i]) : text);
    }
}

void ReportRateCard::refresh() {
    const std::uint8_t vendor4 =
        host_.workspace().model().copies.vendor[settings::kReportRateAddress];
    const int hertz = settings::reportRateOf(vendor4);
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        const bool chosen = settings::kReportRates[i] == hertz;
        marks_[i]->setChecked(chosen);
        labels_[i]->setChecked(chosen);
    }
}

}  // namespace gm::ui
