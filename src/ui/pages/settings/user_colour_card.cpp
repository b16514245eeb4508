#include "ui/pages/settings/user_colour_card.h"

#include <QLabel>

#include "ui/host/operation_host.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

constexpr int kSwatchPitch = 46;
constexpr int kSwatchTop = PageCard::kContentTop + 16;

}  // namespace

UserColourCard::UserColourCard(OperationHost& host, QWidget* page)
    : PageCard(skin::light_page::kColourCard, "Pnl_Colours", page), host_(host) {
    for (int k = 1; k <= settings::kUserColourCount; ++k) {
        auto* swatch = new ColourSwatch(host, this);
        swatch->setObjectName(QString("lbl_Col%1").arg(k));
        const int x = kInset + (k - 1) * kSwatchPitch;
        swatch->move(x, kSwatchTop);
        auto* number = new QLabel(QString::number(k), this);
        number->setObjectName(QString("lbl_Col%1Number").arg(k));
        number->setStyleSheet(skin::styleSheet(skin::Look::MutedText));
        number->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        number->setGeometry(x - 4, kSwatchTop + swatch->height() + 6, swatch->width() + 8, 18);
        connect(swatch, &ColourSwatch::chosen, this, [this, k](const QColor& colour) {
            const settings::Rgb rgb{static_cast<std::uint8_t>(colour.red()),
                                    static_cast<std::uint8_t>(colour.green()),
                                    static_cast<std::uint8_t>(colour.blue())};
            const QString what = QString("%1 %2 → #%3")
                                     .arg(host_.caption(text::ids::kUserColour))
                                     .arg(k)
                                     .arg(QString::fromStdString(settings::colourText(rgb)));
            host_.runLiveChange(what, [this, k, rgb] {
                return settings::setUserColour(host_.workspace(), k, rgb);
            });
        });
        swatches_[static_cast<std::size_t>(k - 1)] = swatch;
    }
    retranslate();
}

void UserColourCard::retranslate() {
    setTitle(host_.caption(text::ids::kUserColour));
}

void UserColourCard::refresh() {
    const auto& vendor = host_.workspace().model().copies.vendor;
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        const settings::Rgb colour =
            settings::colourAt(vendor, settings::kUserColoursAddress + 3 * i);
        swatches_[i]->setColour(QColor(colour.red, colour.green, colour.blue));
    }
}

}  // namespace gm::ui
