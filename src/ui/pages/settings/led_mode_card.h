#pragma once
// The LED mode card of the Light page: one row per mode of the mouse's LED type that the mode
// mask offers (Vendor 42), each a radio mark rb_LED<n> and its label lbl_LED<n> (n = 1..7, mode
// index n - 1); either one chooses the mode (User 1, settings/led_lighting.h).

#include <QLabel>
#include <array>

#include "settings/display.h"
#include "ui/pages/settings/page_card.h"
#include "ui/pages/widgets/choice_button.h"

namespace gm::ui {

class OperationHost;

class LedModeCard final : public PageCard {
public:
    static constexpr int kModeRows = 7;

    LedModeCard(OperationHost& host, QWidget* page);
    void refresh();
    void retranslate();

private:
    void choose(int mode);

    OperationHost& host_;
    settings::LedType type_ = settings::LedType::Rgb;
    QLabel* typeLabel_;
    std::array<MarkButton*, kModeRows> marks_{};
    std::array<CaptionButton*, kModeRows> labels_{};
};

}  // namespace gm::ui
