#pragma once
// The MCU LED card of the Light page: the eight-step bar Img_MCULEDStep_1..8 and the brightness
// choice, full (Img_MCULED3Control / lbl_MCULED3Control) or half (Img_MCULED6Control /
// lbl_MCULED6Control). Its controls are shown only while the mouse drives an MCU LED strip, and
// enabled only on the 4210A, the chip that keeps these settings; otherwise the card says why it
// is empty. Segment s chooses step s - 1; the lamp count is kept as the mouse holds it.

#include <QLabel>

#include "settings/led_lighting.h"
#include "ui/pages/settings/page_card.h"
#include "ui/pages/widgets/choice_button.h"
#include "ui/pages/widgets/value_bar.h"

namespace gm::ui {

class OperationHost;

class McuLedCard final : public PageCard {
public:
    McuLedCard(OperationHost& host, QWidget* page);
    void refresh();
    void retranslate();

private:
    void write(const settings::McuLed& wanted, const QString& what);
    void chooseBrightness(bool full);

    OperationHost& host_;
    QLabel* note_;
    QWidget* controls_;
    QLabel* stepLabel_;
    ValueBar* step_;
    QLabel* brightnessLabel_;
    MarkButton* fullMark_;
    CaptionButton* full_;
    MarkButton* halfMark_;
    CaptionButton* half_;
};

}  // namespace gm::ui
