#pragma once
// One row of the CPI card, for level n: the label lbl_DPI<n> (a click brings the first level out
// of use into use or takes the last level in use out of use), the current-level mark rb_DPI<n>
// (a click makes the level current), the twelve-segment value bar Img_DPI<n>_1..12, the value
// text lbl_DPI<n>Value and the colour swatch lbl_DPI<n>Col. The row only asks; its look comes
// from showLevel(), which the card calls with what the model holds.

#include <QLabel>
#include <QWidget>

#include "settings/display.h"
#include "ui/pages/widgets/choice_button.h"
#include "ui/pages/widgets/colour_swatch.h"
#include "ui/pages/widgets/value_bar.h"

namespace gm::ui {

class OperationHost;

class CpiLevelRow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 40;

    CpiLevelRow(OperationHost& host, int level, QWidget* parent);

    struct Look {
        bool inUse = false;
        bool current = false;
        std::uint8_t valueIndex = 0;
        settings::Rgb colour;
        ValueBar::Look barLook = ValueBar::Look::Fill;
    };
    void showLevel(const Look& look);
    void retranslate();

signals:
    void labelClicked(int level);
    void markClicked(int level);
    void valueChosen(int level, std::uint8_t valueIndex);
    void colourChosen(int level, settings::Rgb colour);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showValueText();

    OperationHost& host_;
    int level_;
    std::uint8_t valueIndex_ = 0;
    bool lifted_ = false;
    bool valueInUse_ = true;
    CaptionButton* label_;
    MarkButton* mark_;
    ValueBar* bar_;
    QLabel* value_;
    ColourSwatch* swatch_;
};

}  // namespace gm::ui
