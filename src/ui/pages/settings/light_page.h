#pragma once
// The Light page (gbPage3): the LED mode card, the speed card, the user colour card and the MCU
// LED card. The page redraws from the workspace whenever the host says the model changed, and
// retitles on a language change.

#include <QWidget>

namespace gm::ui {

class OperationHost;
class LedModeCard;
class LedSpeedCard;
class UserColourCard;
class McuLedCard;

class LightPage final : public QWidget {
    Q_OBJECT
public:
    LightPage(OperationHost& host, QWidget* groupBox);

    void refresh();
    void retranslate();

private:
    LedModeCard* modes_;
    LedSpeedCard* speed_;
    UserColourCard* colours_;
    McuLedCard* mcuLed_;
};

}  // namespace gm::ui
