#pragma once
// The colour card of the Light page: the ten user colours as swatches lbl_Col1..lbl_Col10 with
// their numbers under them. A swatch click opens the colour dialog and writes the colour's three
// bytes (Vendor 57 + 3(k - 1)) in one live write.

#include <array>

#include "settings/led_lighting.h"
#include "ui/pages/settings/page_card.h"
#include "ui/pages/widgets/colour_swatch.h"

namespace gm::ui {

class OperationHost;

class UserColourCard final : public PageCard {
public:
    UserColourCard(OperationHost& host, QWidget* page);
    void refresh();
    void retranslate();

private:
    OperationHost& host_;
    std::array<ColourSwatch*, settings::kUserColourCount> swatches_{};
};

}  // namespace gm::ui
